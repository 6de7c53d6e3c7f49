// A site's pictures: the four 16-bit picture numbers packed in its pics value (slot 1 in the low
// bits, 0 an empty slot; picture k is the k-th non-empty slot) and the files that hold them.
#pragma once

#include <cstdint>
#include <string>

class tprocs_site_pics {
public:
    static constexpr const char* class_name() { return "tprocs_site_pics"; }
    static constexpr int32_t slot_count = 4;

    static uint16_t slot(int64_t apics, int32_t aslot);
    static int64_t with_slot(int64_t apics, int32_t aslot, uint16_t anumber);
    // How many pictures the value names.
    static int32_t count(int64_t apics);
    // The number of picture apic_no (from 1); 0 when there is no such picture.
    static uint16_t number(int64_t apics, int32_t apic_no);
    // Puts anumber into the first empty slot; false (the value unchanged) when all four are used.
    static bool add(int64_t& apics, uint16_t anumber);
    // Empties the slot of picture apic_no; the other slots keep their places.
    static int64_t without_pic(int64_t apics, int32_t apic_no);

    // The folder of the picture files: velmor_accounts/pics/ in the common program-data folder.
    static std::string folder();
    // The file of picture anumber: at least four lower-case hexadecimal digits, ".jpg".
    static std::string file_name(uint32_t anumber);
};
