#include "property/procs_site_pics.h"

#include <cstdio>

#include "controls/platform.h"

uint16_t tprocs_site_pics::slot(int64_t apics, int32_t aslot) {
    if (aslot < 0 || aslot >= slot_count) return 0;
    return static_cast<uint16_t>((static_cast<uint64_t>(apics) >> (16 * aslot)) & 0xFFFF);
}

int64_t tprocs_site_pics::with_slot(int64_t apics, int32_t aslot, uint16_t anumber) {
    if (aslot < 0 || aslot >= slot_count) return apics;
    const uint64_t mask = uint64_t{0xFFFF} << (16 * aslot);
    return static_cast<int64_t>((static_cast<uint64_t>(apics) & ~mask) | (uint64_t{anumber} << (16 * aslot)));
}

int32_t tprocs_site_pics::count(int64_t apics) {
    int32_t n = 0;
    for (int32_t s = 0; s < slot_count; ++s)
        if (slot(apics, s) != 0) ++n;
    return n;
}

namespace {

// The slot of picture apic_no (from 1), or -1.
int32_t slot_of(int64_t apics, int32_t apic_no) {
    int32_t k = 0;
    for (int32_t s = 0; s < tprocs_site_pics::slot_count; ++s)
        if (tprocs_site_pics::slot(apics, s) != 0 && ++k == apic_no) return s;
    return -1;
}

}  // namespace

uint16_t tprocs_site_pics::number(int64_t apics, int32_t apic_no) { return slot(apics, slot_of(apics, apic_no)); }

bool tprocs_site_pics::add(int64_t& apics, uint16_t anumber) {
    for (int32_t s = 0; s < slot_count; ++s)
        if (slot(apics, s) == 0) {
            apics = with_slot(apics, s, anumber);
            return true;
        }
    return false;
}

int64_t tprocs_site_pics::without_pic(int64_t apics, int32_t apic_no) {
    return with_slot(apics, slot_of(apics, apic_no), 0);
}

std::string tprocs_site_pics::folder() { return tplatform::instance().get_programdata_folder() + "velmor_accounts/pics/"; }

std::string tprocs_site_pics::file_name(uint32_t anumber) {
    char name[24];
    std::snprintf(name, sizeof name, "%.4x.jpg", anumber);
    return name;
}
