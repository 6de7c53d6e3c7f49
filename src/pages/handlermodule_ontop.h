// The base of the overlay pages (menu, drop-down list, dialog, large text viewer): which kind it
// is, the tag the main page knows it by, its result, and where it first appears; and the shared
// base of the two list overlays.
#pragma once

#include <cstdint>

#include "controls/key_codes.h"
#include "pages/handlermodule_page.h"
#include "pages/page_form.h"

class tmiscobject_textlines;
class tvelmor_grid;

// The keys the overlays answer (virtual key codes; a letter's code is its capital).
class Thandlermodule_ontop : public Thandlermodule_page {
public:
    // aform: the overlay's page form, read when the overlay is shown (nullptr: none).
    Thandlermodule_ontop(tpage_controller_generic* aowner, tvelmor_ontop aid, int32_t atag_ontop,
                         const tform_page_generic* aform = nullptr,
                         std::unique_ptr<tcontainer_controls_generic> acontrols = nullptr);
    const char* class_name() const override { return "Thandlermodule_ontop"; }

    // The overlay's rectangle, given the main surface's client rectangle.
    virtual trect get_initial_bounds(const trect& aclientrect);

    tvelmor_ontop fid;
    int32_t ftag_ontop;
    int32_t fmodalresult = -1;
    const tform_page_generic* fform;

protected:
    // A key going down with neither Shift, Ctrl nor Alt held: the only presses overlays answer.
    static bool is_plain_press(tshift_state ashift, bool as_keyup);
    // Sets the result and has the controller close the overlay. The module itself lives on until
    // the event that closed it has returned.
    void close_with(int32_t aresult);
};

// The page menu and the drop-down list: grid 201 shows the item text lines (misc object 101, the
// list the overlay was opened on); Enter chooses the current row, Esc closes with -1, every other
// key goes to the grid.
class Thandlermodule_ontop_list : public Thandlermodule_ontop {
public:
    static constexpr int32_t tag_grid = 201;
    static constexpr int32_t tag_textlines = 101;

    // atextlines: the items, not owned (nullptr: an empty list).
    Thandlermodule_ontop_list(tpage_controller_generic* aowner, tvelmor_ontop aid, int32_t atag_ontop,
                              const tform_page_generic* aform, tmiscobject_textlines* atextlines);
    const char* class_name() const override { return "Thandlermodule_ontop_list"; }

    void once_created() override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    // Lays out, keeps the current row in view, then paints unless as_skip_draw.
    void handle_resize(bool as_skip_draw) override;
    // 101: the item text lines; nothing for other tags.
    tvelmor_miscobject* get_miscobject(int32_t atag) override;

    tvelmor_grid& grid();

    tmiscobject_textlines* ftextlines;

protected:
    // The row the list starts on (the base: the first).
    virtual int32_t initial_row() { return 0; }
    // Rows x row height + 12, the list's natural height.
    int32_t list_height();
    // The list from atop down at its natural height, cut to end at amax_bottom but always tall
    // enough for one row: a long list scrolls inside the overlay instead of running off the page.
    trect list_bounds(int32_t aleft, int32_t atop, int32_t aright, int32_t amax_bottom);
};

// An overlay's built-in page form (aform_name "form_page_menu"); its form class (aclass
// "Tform_page_menu") is registered first, so the form can be read.
Tform_page2 overlay_form(const char* aclass, const char* aform_name);
