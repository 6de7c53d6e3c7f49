// Text lines: a list of (id, caption) items, used for menus and the choices of combo boxes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/miscobject.h"

class tmiscobject_textlines : public tmiscobject_render {
public:
    tmiscobject_textlines(icontrols_owner* aowner, int32_t atag) : tmiscobject_render(aowner, atag, am_menuitems) {}
    const char* class_name() const override { return "tmiscobject_textlines"; }

    // The id is the item's position.
    void add_textline(const std::u16string& acaption);
    void add_textline(int32_t aid, const std::u16string& acaption);
    void finish_adds() {}
    int32_t count() const { return static_cast<int32_t>(fitems.size()); }
    int32_t get_value(int32_t aindex) const;
    std::u16string get_caption(int32_t aindex) const;
    // -1 when no item has that id.
    int32_t get_value_index(int32_t aid) const;

    void get_debug_text(std::string& amsgtext) const override;
    bool get_textvalue_rowcol(std::u16string& atext, int32_t arow, int32_t acol) override;
    void control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_control* acontrol, tvelmor_theme* atheme,
                       const std::u16string& atext, const trect& arect, int32_t arow, int32_t acol) override;

private:
    struct titem {
        int32_t id;
        std::u16string caption;
    };
    const titem& item(int32_t aindex) const;
    std::vector<titem> fitems;
};
