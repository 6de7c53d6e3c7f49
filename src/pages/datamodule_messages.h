// The queue of deferred jobs (draw a control, draw or erase a panel, run a task): ordered by
// priority, first come first served within a priority, repeated requests coalesced, and a
// non-reentrant lock so that one job never starts while another runs.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <tuple>
#include <vector>

#include "pages/page_types.h"
#include "procs/velmor_exception.h"

// One job handed to the page controller.
struct tmsg_queued {
    tjob_type fjob = jt_draw_control;
    thandler_type fhandler = ht_main;
    int32_t ftag = 0;
    int32_t fparam = 0;
};

enum tmessage_param_type : uint8_t { mp_none, mp_overwrite, mp_greater };

struct telement_priority {
    int16_t fpriority = 0;
    int32_t findex_first = -1;
    int32_t findex_last = -1;
};

// One pending job; a job queued twice has one of these but two entries.
struct telement_value {
    int16_t fjob = 0;
    int16_t fhandler = 0;
    int32_t ftag = 0;
    int32_t fparam = 0;
};

// One queue entry, chained by index either into its priority's chain or into the free chain.
struct telement_list {
    int16_t fjob = 0;
    int16_t fhandler = 0;
    int32_t ftag = 0;
    int32_t findex_next = -1;
};

class Tdatamodule_messages : public tvelmor_object {
public:
    const char* class_name() const override { return "Tdatamodule_messages"; }

    void add_task(int16_t apriority, tjob_type ajob, thandler_type ahandler, int32_t atag,
                  tmessage_param_type aparam_type, int32_t aparam);
    void add_message(int16_t apriority, tjob_type ajob, thandler_type ahandler, int32_t atag);
    // Only erases carry a parameter this way, and the greater one wins.
    void add_message(int16_t apriority, tjob_type ajob, thandler_type ahandler, int32_t atag,
                     int32_t aparam);

    bool has_messages_available() const;
    bool get_message_lock();
    void release_message_lock();
    // False (and amsg without a parameter) for an entry whose job already ran or was dropped.
    bool pull_next_message(tmsg_queued& amsg);

    // Forgets every pending job of a slot whose page is being replaced; their entries become
    // stale and are consumed without running, so no job reaches the page that follows.
    void drop_handler_jobs(thandler_type ahandler);

    void save_to_stream(std::ostream& astream) const;

    int32_t get_pending_count() const { return static_cast<int32_t>(ftree_values.size()); }
    int32_t get_entry_count() const { return static_cast<int32_t>(flist_values.size()); }

private:
    using tvalue_key = std::tuple<int16_t, int16_t, int32_t>;

    int32_t take_free_entry();
    void append_free_entry(int32_t aindex);

    std::map<int16_t, telement_priority> ftree_prioritys;
    std::map<tvalue_key, telement_value> ftree_values;
    std::vector<telement_list> flist_values;
    int16_t flock = 0;
    int32_t femptys_first = -1;
    int32_t femptys_last = -1;
};

// Takes the queue's lock for the life of the scope, so it is released also when a job raises.
class tmessage_lock_scope {
public:
    explicit tmessage_lock_scope(Tdatamodule_messages& amessages)
        : fmessages(amessages), flocked(amessages.get_message_lock()) {}
    ~tmessage_lock_scope() {
        if (flocked) fmessages.release_message_lock();
    }
    tmessage_lock_scope(const tmessage_lock_scope&) = delete;
    tmessage_lock_scope& operator=(const tmessage_lock_scope&) = delete;
    bool locked() const { return flocked; }

private:
    Tdatamodule_messages& fmessages;
    bool flocked;
};
