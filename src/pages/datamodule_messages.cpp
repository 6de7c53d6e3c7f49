#include "pages/datamodule_messages.h"

void Tdatamodule_messages::add_task(int16_t apriority, tjob_type ajob, thandler_type ahandler,
                                    int32_t atag, tmessage_param_type aparam_type, int32_t aparam) {
    auto [pit, pnew] = ftree_prioritys.try_emplace(apriority);
    telement_priority& priority = pit->second;
    if (pnew) priority.fpriority = apriority;

    const auto job = static_cast<int16_t>(ajob);
    const auto handler = static_cast<int16_t>(ahandler);
    auto [vit, vnew] = ftree_values.try_emplace(tvalue_key{job, handler, atag});
    telement_value& value = vit->second;
    if (vnew) value = telement_value{job, handler, atag, 0};
    switch (aparam_type) {
        case mp_none: break;
        case mp_overwrite: value.fparam = aparam; break;
        case mp_greater:
            if (aparam > value.fparam) value.fparam = aparam;
            break;
    }

    const int32_t index = take_free_entry();
    flist_values[index] = telement_list{job, handler, atag, -1};
    if (priority.findex_last < 0)
        priority.findex_first = index;
    else
        flist_values[priority.findex_last].findex_next = index;
    priority.findex_last = index;
}

void Tdatamodule_messages::add_message(int16_t apriority, tjob_type ajob, thandler_type ahandler,
                                       int32_t atag) {
    add_task(apriority, ajob, ahandler, atag, mp_none, 0);
}

void Tdatamodule_messages::add_message(int16_t apriority, tjob_type ajob, thandler_type ahandler,
                                       int32_t atag, int32_t aparam) {
    if (ajob != jt_erase_panel)
        throw tvelmor_exception("Unsupported job %s in %s.add_message();", job_type_name(ajob), class_name());
    add_task(apriority, ajob, ahandler, atag, mp_greater, aparam);
}

bool Tdatamodule_messages::has_messages_available() const {
    return !ftree_values.empty() && flock == 0;
}

bool Tdatamodule_messages::get_message_lock() {
    if (ftree_values.empty() || flock != 0) return false;
    ++flock;
    if (flock != 1) throw tvelmor_exception("Internal Error in %s.get_message_lock();", class_name());
    return true;
}

void Tdatamodule_messages::release_message_lock() {
    if (flock != 1) throw tvelmor_exception("Internal Error in %s.release_message_lock();", class_name());
    --flock;
}

bool Tdatamodule_messages::pull_next_message(tmsg_queued& amsg) {
    for (auto& [number, priority] : ftree_prioritys) {
        if (priority.findex_first < 0) continue;
        const int32_t index = priority.findex_first;
        const telement_list entry = flist_values[index];
        priority.findex_first = entry.findex_next;
        if (priority.findex_first < 0) priority.findex_last = -1;
        append_free_entry(index);

        amsg.fjob = static_cast<tjob_type>(entry.fjob);
        amsg.fhandler = static_cast<thandler_type>(entry.fhandler);
        amsg.ftag = entry.ftag;
        const auto value = ftree_values.find(tvalue_key{entry.fjob, entry.fhandler, entry.ftag});
        if (value == ftree_values.end()) {
            amsg.fparam = 0;
            return false;
        }
        amsg.fparam = value->second.fparam;
        ftree_values.erase(value);
        return true;
    }
    return false;
}

void Tdatamodule_messages::drop_handler_jobs(thandler_type ahandler) {
    std::erase_if(ftree_values, [ahandler](const auto& item) {
        return item.second.fhandler == static_cast<int16_t>(ahandler);
    });
}

int32_t Tdatamodule_messages::take_free_entry() {
    if (femptys_first < 0) {
        flist_values.emplace_back();
        return static_cast<int32_t>(flist_values.size()) - 1;
    }
    const int32_t index = femptys_first;
    femptys_first = flist_values[index].findex_next;
    if (femptys_first < 0) femptys_last = -1;
    return index;
}

void Tdatamodule_messages::append_free_entry(int32_t aindex) {
    flist_values[aindex].findex_next = -1;
    if (femptys_last < 0)
        femptys_first = aindex;
    else
        flist_values[femptys_last].findex_next = aindex;
    femptys_last = aindex;
}

namespace {
void dump_chain(std::ostream& astream, const std::vector<telement_list>& alist, int32_t afirst) {
    astream << " [";
    for (int32_t index = afirst; index >= 0; index = alist[index].findex_next)
        astream << (index == afirst ? "" : " ") << index;
    astream << "]\n";
}
}  // namespace

void Tdatamodule_messages::save_to_stream(std::ostream& astream) const {
    astream << "lock " << flock << "\npriorities\n";
    for (const auto& [number, priority] : ftree_prioritys) {
        astream << "  " << number << ':';
        dump_chain(astream, flist_values, priority.findex_first);
    }
    astream << "values\n";
    for (const auto& [key, value] : ftree_values)
        astream << "  " << job_type_name(static_cast<tjob_type>(value.fjob)) << ' '
                << handler_type_name(static_cast<thandler_type>(value.fhandler)) << ' ' << value.ftag
                << " param " << value.fparam << '\n';
    astream << "entries\n";
    for (size_t index = 0; index < flist_values.size(); ++index) {
        const telement_list& entry = flist_values[index];
        astream << "  " << index << ": " << job_type_name(static_cast<tjob_type>(entry.fjob)) << ' '
                << handler_type_name(static_cast<thandler_type>(entry.fhandler)) << ' ' << entry.ftag
                << " next " << entry.findex_next << '\n';
    }
    astream << "free:";
    dump_chain(astream, flist_values, femptys_first);
}
