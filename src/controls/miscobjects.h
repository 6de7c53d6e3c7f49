// The smaller runtime misc objects: declared values, grid column formats, list rows, screen
// parameters, message lines and data fields.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/control_types.h"
#include "controls/miscobject.h"
#include "values/value_generic2.h"

// A declared literal value (often an array of captions) that supplies grid texts.
class tmiscobject_value : public tvelmor_miscobject {
public:
    tmiscobject_value(icontrols_owner* aowner, int32_t atag, std::unique_ptr<tvalue_generic2> avalue)
        : tvelmor_miscobject(aowner, atag, am_datafields), value(std::move(avalue)) {}  // no kind of its own
    const char* class_name() const override { return "tmiscobject_value"; }
    void get_debug_text(std::string& amsgtext) const override;
    // A flat array serves as one header row and as one column; an array of arrays as a table.
    bool get_textvalue_rowcol(std::u16string& atext, int32_t arow, int32_t acol) override;

    std::unique_ptr<tvalue_generic2> value;  // may be empty
};

// Font, alignment and margin of each column of a grid.
class tmiscobject_gridcolumns : public tmiscobject_render {
public:
    struct tcolumn {
        TAlignment alignment = taLeftJustify;
        int32_t font = 0;
        int16_t margin = 0;
    };
    tmiscobject_gridcolumns(icontrols_owner* aowner, int32_t atag) : tmiscobject_render(aowner, atag, am_gridcolumns) {}
    const char* class_name() const override { return "tmiscobject_gridcolumns"; }
    void add_column(TAlignment aalignment, int32_t afont, int16_t amargin) { columns.push_back({aalignment, afont, amargin}); }
    int32_t get_font(int32_t acol) const { return column(acol).font; }
    void set_font(int32_t acol, int32_t afont) { column(acol).font = afont; }
    TAlignment get_alignment(int32_t acol) const { return column(acol).alignment; }
    void set_alignment(int32_t acol, TAlignment avalue) { column(acol).alignment = avalue; }
    int16_t get_margin(int32_t acol) const { return column(acol).margin; }
    void set_margin(int32_t acol, int16_t avalue) { column(acol).margin = avalue; }

    void get_debug_text(std::string& amsgtext) const override;
    void control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_control* acontrol, tvelmor_theme* atheme,
                       const std::u16string& atext, const trect& arect, int32_t arow, int32_t acol) override;

    std::vector<tcolumn> columns;

private:
    tcolumn& column(int32_t acol);
    const tcolumn& column(int32_t acol) const;
};

// Texts of grid cells from the fields of a list of records.
class tmiscobject_listrows : public tvelmor_miscobject {
public:
    tmiscobject_listrows(icontrols_owner* aowner, int32_t atag, int32_t acapacity)
        : tvelmor_miscobject(aowner, atag, am_listrows), fcapacity(acapacity) {}
    const char* class_name() const override { return "tmiscobject_listrows"; }
    void add_field(const std::string& afieldname, tvelmor_value_type_extended afieldtype);
    // alist: the rows (kept by the caller); alayout: a record of the rows' class, named aclass_name.
    void setup_data(const std::vector<tvalue_generic2*>* alist, const tvalue_generic2& alayout);
    void get_debug_text(std::string& amsgtext) const override;
    bool get_textvalue_rowcol(std::u16string& atext, int32_t arow, int32_t acol) override;

private:
    struct tfield {
        std::string fieldname;
        tvelmor_value_type_extended fieldtype;
        int32_t index = -1;
    };
    int32_t fcapacity;
    std::vector<tfield> ffields;
    const std::vector<tvalue_generic2*>* flist = nullptr;
};

// The page's header and footer settings, read by the header and footer pages.
class tmiscobject_screenparams : public tvelmor_miscobject {
public:
    tmiscobject_screenparams(icontrols_owner* aowner, int32_t atag) : tvelmor_miscobject(aowner, atag, am_screenparams) {}
    const char* class_name() const override { return "tmiscobject_screenparams"; }
    void get_debug_text(std::string& amsgtext) const override;

    bool footer_visible = false;
    bool header_visible = false;
    std::u16string header_caption;
    int16_t header_caption_width = 220;
    int16_t header_buttons_visible = 0;
    int16_t header_buttons_disabled = 0;
    int16_t footer_buttons_invisible = 0;
    int16_t footer_buttons_enabled = 0;
};

enum tflag_messageline : uint8_t { ml_setlast };
using tflags_messageline = tenum_set<tflag_messageline>;
enum tvelmor_messagelines_type : uint8_t { ml_messagelines_grid };

// Progress messages; a line added with ml_setlast is a status line updated in place.
class tvelmor_messagelines : public tmiscobject_render {
public:
    struct tline {
        std::u16string text;
        int16_t margin = 0;
        tflags_messageline flags;
    };
    tvelmor_messagelines(icontrols_owner* aowner, int32_t atag) : tmiscobject_render(aowner, atag, am_messagelines) {}
    const char* class_name() const override { return "tvelmor_messagelines"; }
    virtual bool add_message_line(const std::u16string& atext, int16_t amargin, tflags_messageline aflags);
    void get_debug_text(std::string& amsgtext) const override;

    std::vector<tline> lines;

protected:
    // Stores the line by the ml_setlast rule; false when it is refused.
    bool store_line(const std::u16string& atext, int16_t amargin, tflags_messageline aflags);
};

class tvelmor_messagelines_lines : public tvelmor_messagelines {
public:
    using tvelmor_messagelines::tvelmor_messagelines;
    const char* class_name() const override { return "tvelmor_messagelines_lines"; }
    bool add_message_line(const std::u16string& atext, int16_t amargin, tflags_messageline aflags) override {
        return store_line(atext, amargin, aflags);
    }
};

// Lines shown in the grid tag_control: its row count follows, and the last row is redrawn.
class tvelmor_messagelines_grid : public tvelmor_messagelines {
public:
    tvelmor_messagelines_grid(icontrols_owner* aowner, int32_t atag, int32_t atag_control)
        : tvelmor_messagelines(aowner, atag), tag_control(atag_control) {}
    const char* class_name() const override { return "tvelmor_messagelines_grid"; }
    bool add_message_line(const std::u16string& atext, int16_t amargin, tflags_messageline aflags) override;
    bool get_textvalue_rowcol(std::u16string& atext, int32_t arow, int32_t acol) override;
    void control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_control* acontrol, tvelmor_theme* atheme,
                       const std::u16string& atext, const trect& arect, int32_t arow, int32_t acol) override;

    int32_t tag_control;
};

// What a data-fields object reads: the current record of a data source of the database layer.
class idata_source {
public:
    virtual ~idata_source() = default;
    virtual std::u16string field_text(const std::string& afieldname) = 0;
};

class tmiscobject_datafields : public tvelmor_miscobject {
public:
    tmiscobject_datafields(icontrols_owner* aowner, int32_t atag) : tvelmor_miscobject(aowner, atag, am_datafields) {}
    const char* class_name() const override { return "tmiscobject_datafields"; }
    void set_fields(const std::vector<std::string>& anames) { fields = anames; }
    std::u16string get_textvalue_fieldno(int32_t afieldno) override;
    void get_debug_text(std::string& amsgtext) const override;

    idata_source* datasource = nullptr;  // not owned
    std::vector<std::string> fields;
};
