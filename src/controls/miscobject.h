// Misc objects: the non-visual objects of a page that controls and handlers find by tag (field
// links, grid columns, list rows, values, text lines, screen parameters, message lines, data
// fields). This is their base and the base of those that paint grid cells.
#pragma once

#include <cstdint>
#include <string>

#include "controls/canvas.h"
#include "controls/control_types.h"
#include "procs/velmor_exception.h"

class icontrols_owner;
class tvelmor_control;
class tvelmor_theme;
class tvalidator_generic;

enum tvelmor_miscobject_type : uint8_t {
    am_datafields, am_fieldlinks, am_gridcolumns, am_listrows, am_screenparams, am_menuitems, am_messagelines
};

class tvelmor_miscobject : public tvelmor_object {
public:
    tvelmor_miscobject(icontrols_owner* aowner, int32_t atag, tvelmor_miscobject_type aid)
        : owner(aowner), tag(atag), id(aid) {}
    const char* class_name() const override { return "tvelmor_miscobject"; }

    virtual void get_debug_text(std::string& amsgtext) const;
    virtual std::u16string get_textvalue_fieldno(int32_t afieldno);
    virtual tvalidator_generic* get_validator(int32_t afieldno);
    // Text of a grid cell; false when this object has none.
    virtual bool get_textvalue_rowcol(std::u16string& atext, int32_t arow, int32_t acol);
    virtual void set_hard_value(int32_t afieldno, bool avalue);
    virtual void set_hard_value(int32_t afieldno, int32_t avalue);
    virtual void update_control(tvelmor_control* acontrol);

    icontrols_owner* owner;  // the handler module; not owned
    int32_t tag;
    tvelmor_miscobject_type id;
};

// A misc object that also paints the grid cells it supplies.
class tmiscobject_render : public tvelmor_miscobject {
public:
    using tvelmor_miscobject::tvelmor_miscobject;
    const char* class_name() const override { return "tmiscobject_render"; }
    virtual void control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_control* acontrol,
                               tvelmor_theme* atheme, const std::u16string& atext, const trect& arect,
                               int32_t arow, int32_t acol);

protected:
    struct tcell_format {
        int32_t font;
        TAlignment alignment;
        int16_t margin;
    };
    // Row -1 (the empty area below the rows) is erased; otherwise, when aformat is given, the
    // cell is painted by the grid theme's renderer. Nothing happens without a grid and its theme.
    static void paint_cell(int32_t& afont_tag, tcanvas& acanvas, tvelmor_control* acontrol, tvelmor_theme* atheme,
                           const std::u16string& atext, const trect& arect, int32_t arow, int32_t acol,
                           const tcell_format* aformat);
};
