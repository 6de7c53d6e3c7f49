#include "pages/datamodule_messages.h"

#include <gtest/gtest.h>

#include "expect_error.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

struct tpulled {
    bool live;
    tjob_type job;
    thandler_type handler;
    int32_t tag;
    int32_t param;
    bool operator==(const tpulled&) const = default;
};

std::ostream& operator<<(std::ostream& os, const tpulled& p) {
    return os << (p.live ? "live " : "stale ") << job_type_name(p.job) << ' ' << handler_type_name(p.handler)
              << ' ' << p.tag << " param " << p.param;
}

// Runs the queue the way the main window does: one lock, one pull per round, while jobs are pending.
std::vector<tpulled> drain(Tdatamodule_messages& q) {
    std::vector<tpulled> out;
    while (q.has_messages_available()) {
        tmessage_lock_scope lock(q);
        EXPECT_TRUE(lock.locked());
        tmsg_queued msg;
        const bool live = q.pull_next_message(msg);
        out.push_back({live, msg.fjob, msg.fhandler, msg.ftag, msg.fparam});
    }
    return out;
}

std::string free_chain(const Tdatamodule_messages& q) {
    std::ostringstream dump;
    q.save_to_stream(dump);
    const std::string text = dump.str();
    return text.substr(text.find("free:"));
}

}  // namespace

TEST(MessageQueue, EmptyQueueOffersNothingAndDoesNotTakeTheLock) {
    Tdatamodule_messages q;
    EXPECT_FALSE(q.has_messages_available());
    EXPECT_FALSE(q.get_message_lock());
    tmsg_queued msg;
    msg.ftag = 77;
    EXPECT_FALSE(q.pull_next_message(msg));
    EXPECT_EQ(77, msg.ftag);
    // The lock was never taken, so releasing it is the programming error.
    EXPECT_VELMOR_ERROR(q.release_message_lock(),
                        "Internal Error in Tdatamodule_messages.release_message_lock();");
}

TEST(MessageQueue, RepeatedDrawRunsOnceAndItsSecondEntryIsConsumedStaleLater) {
    Tdatamodule_messages q;
    q.add_message(501, jt_draw_control, ht_main, 5);
    q.add_message(501, jt_draw_control, ht_main, 6);
    q.add_message(501, jt_draw_control, ht_main, 5);
    EXPECT_EQ(2, q.get_pending_count());

    const std::vector<tpulled> first{{true, jt_draw_control, ht_main, 5, 0}, {true, jt_draw_control, ht_main, 6, 0}};
    EXPECT_EQ(first, drain(q));
    EXPECT_FALSE(q.has_messages_available());

    // Something new: the stale tag-5 entry comes first and runs nothing, then the new job.
    q.add_message(501, jt_draw_panel, ht_header, 2101);
    const std::vector<tpulled> second{{false, jt_draw_control, ht_main, 5, 0},
                                      {true, jt_draw_panel, ht_header, 2101, 0}};
    EXPECT_EQ(second, drain(q));
}

TEST(MessageQueue, ParameterTypesDecideWhatARepeatedJobKeeps) {
    struct tcase {
        const char* name;
        tmessage_param_type type;
        int32_t first, second, expected;
    };
    const tcase cases[] = {
        {"greater keeps the larger earlier value", mp_greater, 1, 0, 1},
        {"greater takes a larger later value", mp_greater, 1, 3, 3},
        {"greater never goes below the start value 0", mp_greater, -4, -2, 0},
        {"overwrite keeps the last value", mp_overwrite, 7, 2, 2},
        {"none keeps the start value 0", mp_none, 7, 2, 0},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        Tdatamodule_messages q;
        q.add_task(401, jt_erase_panel, ht_main, 2101, c.type, c.first);
        q.add_task(401, jt_erase_panel, ht_main, 2101, c.type, c.second);
        const auto pulled = drain(q);
        ASSERT_EQ(1u, pulled.size());
        EXPECT_EQ((tpulled{true, jt_erase_panel, ht_main, 2101, c.expected}), pulled[0]);
    }
}

TEST(MessageQueue, EraseMessageTakesTheGreaterParameterAndOtherJobsAreRefused) {
    Tdatamodule_messages q;
    q.add_message(401, jt_erase_panel, ht_main, 2102, 1);
    q.add_message(401, jt_erase_panel, ht_main, 2102, 0);
    EXPECT_EQ((std::vector<tpulled>{{true, jt_erase_panel, ht_main, 2102, 1}}), drain(q));

    EXPECT_VELMOR_ERROR(q.add_message(501, jt_draw_control, ht_main, 5, 1),
                        "Unsupported job jt_draw_control in Tdatamodule_messages.add_message();");
    EXPECT_EQ(0, q.get_pending_count());
}

TEST(MessageQueue, LowerPriorityNumberRunsFirstWhateverTheOrderOfQueuing) {
    Tdatamodule_messages q;
    q.add_message(501, jt_draw_control, ht_main, 101);
    q.add_message(501, jt_draw_control, ht_main, 102);
    q.add_message(301, jt_run_task, ht_main, 101);
    q.add_message(401, jt_erase_panel, ht_main, 2101);
    q.add_message(301, jt_run_task, ht_main, 102);
    const std::vector<tpulled> expected{
        {true, jt_run_task, ht_main, 101, 0},     {true, jt_run_task, ht_main, 102, 0},
        {true, jt_erase_panel, ht_main, 2101, 0}, {true, jt_draw_control, ht_main, 101, 0},
        {true, jt_draw_control, ht_main, 102, 0},
    };
    EXPECT_EQ(expected, drain(q));
}

TEST(MessageQueue, LockIsNotReentrantAndADoubleReleaseRaises) {
    Tdatamodule_messages q;
    q.add_message(501, jt_draw_control, ht_main, 5);
    ASSERT_TRUE(q.get_message_lock());
    EXPECT_FALSE(q.has_messages_available());
    EXPECT_FALSE(q.get_message_lock());
    q.release_message_lock();
    EXPECT_TRUE(q.has_messages_available());
    EXPECT_VELMOR_ERROR(q.release_message_lock(),
                        "Internal Error in Tdatamodule_messages.release_message_lock();");
    EXPECT_TRUE(q.get_message_lock());
}

TEST(MessageQueue, FreedEntriesAreReusedInTheOrderTheyWereFreed) {
    Tdatamodule_messages q;
    q.add_message(501, jt_draw_control, ht_main, 1);  // entry 0
    q.add_message(301, jt_run_task, ht_main, 2);       // entry 1
    q.add_message(401, jt_erase_panel, ht_main, 3);    // entry 2
    drain(q);                                          // runs 1, 2, 0 in priority order
    EXPECT_EQ("free: [1 2 0]\n", free_chain(q));

    q.add_message(501, jt_draw_control, ht_main, 10);
    q.add_message(501, jt_draw_control, ht_main, 11);
    EXPECT_EQ("free: [0]\n", free_chain(q));
    q.add_message(501, jt_draw_control, ht_main, 12);
    q.add_message(501, jt_draw_control, ht_main, 13);
    EXPECT_EQ(4, q.get_entry_count());
    std::ostringstream dump;
    q.save_to_stream(dump);
    EXPECT_NE(std::string::npos, dump.str().find("  501: [1 2 0 3]\n")) << dump.str();
    EXPECT_EQ((std::vector<int32_t>{10, 11, 12, 13}), [&] {
        std::vector<int32_t> tags;
        for (const tpulled& p : drain(q)) tags.push_back(p.tag);
        return tags;
    }());
}

TEST(MessageQueue, DroppingASlotLeavesItsEntriesStaleAndKeepsOtherSlots) {
    Tdatamodule_messages q;
    q.add_message(301, jt_run_task, ht_main, 101);
    q.add_message(501, jt_draw_control, ht_header, 206);
    q.add_message(501, jt_draw_control, ht_main, 5);
    q.drop_handler_jobs(ht_main);
    EXPECT_EQ(1, q.get_pending_count());
    const std::vector<tpulled> expected{{false, jt_run_task, ht_main, 101, 0},
                                        {true, jt_draw_control, ht_header, 206, 0}};
    EXPECT_EQ(expected, drain(q));
    // Queued again by the next page, the draw runs once, through the older entry.
    q.add_message(501, jt_draw_control, ht_main, 5);
    EXPECT_EQ((std::vector<tpulled>{{true, jt_draw_control, ht_main, 5, 0}}), drain(q));
}
