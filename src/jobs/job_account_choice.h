// Choosing another account on a job page (the line view with account choice and the order view):
// the account edit takes the name's place with the name as its text, the account search shows
// its grid (instead of the panel it covers, if any), and Enter on a row takes that account. The
// choice lives in the page's record only; nothing is written.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "accounts/datamodule_search_account.h"
#include "controls/control_types.h"
#include "pages/search_grid_link.h"
#include "values/datarecord.h"

class Thandlermodule_page;

struct tjob_account_choice_tags {
    int32_t fedit;          // the account edit, hidden while viewing
    int32_t fname;          // the label with the account's name
    int32_t fpanel_search;  // the panel of the account grid, hidden while viewing
    int32_t fpanel_covered; // the panel it takes the place of; 0 for none
    int32_t fbevel;         // the frame both panels lie in
    int32_t fgrid;          // the account grid
    int32_t flines;         // the grid's text source
};

class tjob_account_choice {
public:
    tjob_account_choice(Thandlermodule_page& apage, const tjob_account_choice_tags& atags);
    ~tjob_account_choice();

    void install() { flink->install(); }
    // Shows the edit with aname and the account grid searched for it; the edit gets the focus.
    void begin(const std::u16string& aname);
    // Message 1105 from the edit: searched again.
    void text_changed();
    // The account of the grid's current row; false when the row holds no line.
    bool current(int32_t& aid, std::u16string& aname) const;
    // Hides the edit and the grid and shows the name label with aname.
    void end(const std::u16string& aname);
    // A key (no modifier) while choosing: Enter on a row holding a line puts its account into
    // the record's "account" field (in memory only) and its name into aname, Esc cancels (both
    // kr_done: back to viewing), Page Up, Page Down, Up and Down move the account grid.
    enum tkey_result : uint8_t { kr_not_handled, kr_handled, kr_done };
    tkey_result key(uint16_t akey, tdatarecord& arecord, std::u16string& aname);
    // Text changes of the edit and data requests of the grid; false for other messages.
    bool callback_message(void* aparams, int32_t atag, int32_t amsg);

    tsearch_grid_link& link() { return *flink; }
    const tjob_account_choice_tags& tags() const { return ftags; }

private:
    void swap_panels(int32_t apanel_old, int32_t apanel_new);

    Thandlermodule_page& fpage;
    tjob_account_choice_tags ftags;
    std::unique_ptr<Tdatamodule_search_account> fmodule;
    std::unique_ptr<tsearch_grid_link> flink;
};
