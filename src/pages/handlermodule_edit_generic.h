// The base of pages that edit one database record: a working record and the untouched copy taken
// at load or at the last save, the keys F2 save, F3 edit, F7 menu, F9 cancel or leave and Esc with
// its "Save changes ?" question, and saving through the journaled write of the page's table.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "pages/handlermodule_editable_generic.h"
#include "values/dbrecords2.h"

enum tappscreen : uint8_t { as_none, as_edit_account, as_edit_contact, as_edit_cpsite, as_edit_billitem };

const char* appscreen_name(tappscreen avalue);

// Writes arecord through journal aejt_id in one transaction: an insert when as_new (the key the
// database generates is copied back into arecord), else an update of the fields that differ from
// arecord0. Nothing is copied back when the write fails. abefore_send sees the write as it is
// about to be sent.
class tejt_generic;
void save_record_ejt(int32_t aejt_id, tdatarecord2& arecord, const tdatarecord2& arecord0, bool as_new,
                     const char* aclass_name, const std::function<void(tejt_generic&)>& abefore_send = nullptr);

class Thandlermodule_edit_generic : public Thandlermodule_editable_generic {
public:
    using Thandlermodule_editable_generic::Thandlermodule_editable_generic;
    const char* class_name() const override { return "Thandlermodule_edit_generic"; }

    // Binds frecord to the field links misc object 101.
    void bind_data() override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;

    // Writes frecord in one transaction: an insert for a new record (its generated key comes
    // back into frecord), else an update of the fields that differ from frecord0.
    virtual void save_changes();
    virtual void commit_edit();
    // as_keep: leave editing with the working record as it is (nothing to restore).
    virtual void cancel_edit(bool as_keep);

    // The journal id of the table fappscreen edits.
    int32_t get_ejt_id() const;

    tappscreen fappscreen = as_none;
    std::unique_ptr<tdbrecord_generic2> frecord;
    std::unique_ptr<tdbrecord_generic2> frecord0;
    bool fis_newrecord = false;

    static constexpr int32_t tag_panel_edit = 2102;
    static constexpr int32_t tag_fieldlinks = 101;
    static constexpr int32_t tag_save_changes = 9101;

protected:
    // Shows the record and takes its untouched copy.
    void once_laid_out() override;
    // What is typed into the focused edit counts once the user saves or leaves, as if the edit
    // had been left: F2 and Esc take it first. False when the edit refuses the text.
    bool accept_focused_edit();
    // The controls show the working record again.
    void refresh_controls();
    // Back to viewing with nothing modified, the controls showing the record.
    void leave_editing();
};
