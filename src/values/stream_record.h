// The growable byte buffer that holds the field values of a data record, and the slot store on
// top of it: each field gets a slot on its first write and keeps it; -1 marks an unassigned field.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "procs/velmor_exception.h"
#include "values/property_table.h"

class tstream_record : public tvelmor_object {
public:
    const char* class_name() const override { return "tstream_record"; }

    // Reserves asize bytes at the end (zeroed when as_initialized) and returns their offset.
    int32_t add(int32_t asize, bool as_initialized);
    uint8_t* get_item(int32_t aindex) { return fdata.get() + aindex; }
    const uint8_t* get_item(int32_t aindex) const { return fdata.get() + aindex; }
    void clear();
    void set_capacity(int32_t avalue);
    int32_t count() const { return fcount; }
    int32_t capacity() const { return fcapacity; }

private:
    std::unique_ptr<uint8_t[]> fdata;
    int32_t fcount = 0;
    int32_t fcapacity = 0;
};

// What a slot holds, so that clearing can release owned texts and objects.
enum class tslot_kind : uint8_t { plain, unicodestring, ansistring, object };

// Field values in slots of a tstream_record. Texts are owned copies (none for an empty text);
// objects are owned.
class tfield_store {
public:
    tfield_store() = default;
    tfield_store(const tfield_store&) = delete;
    tfield_store& operator=(const tfield_store&) = delete;
    ~tfield_store() { clear(); }

    // Forgets every value and sets the kinds of the fields; all fields end unassigned.
    void reset(std::vector<tslot_kind> akinds);
    void clear();  // every field unassigned, buffer emptied

    int32_t count() const { return static_cast<int32_t>(ffields.size()); }
    bool is_assigned(int32_t aindex) const { return ffields[static_cast<size_t>(aindex)] != -1; }
    const tstream_record& values() const { return ffield_values; }

    template <typename T> T read(int32_t aindex) const {
        T v;
        std::memcpy(&v, ffield_values.get_item(ffields[static_cast<size_t>(aindex)]), sizeof(T));
        return v;
    }
    template <typename T> void write(int32_t aindex, T avalue) {
        std::memcpy(ffield_values.get_item(slot(aindex, sizeof(T))), &avalue, sizeof(T));
    }

    std::u16string read_unicodestring(int32_t aindex) const;
    std::string read_ansistring(int32_t aindex) const;
    treflected_object* read_object(int32_t aindex) const { return read<treflected_object*>(aindex); }
    void write_unicodestring(int32_t aindex, const std::u16string& avalue);
    void write_ansistring(int32_t aindex, const std::string& avalue);
    void write_object(int32_t aindex, treflected_object* avalue);  // takes ownership

private:
    int32_t slot(int32_t aindex, size_t asize);  // the field's slot, appended on first use
    void release(int32_t aindex);                // frees an owned text or object

    tstream_record ffield_values;
    std::vector<int16_t> ffields;
    std::vector<tslot_kind> fkinds;
};
