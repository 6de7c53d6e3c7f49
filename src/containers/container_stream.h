// A growable byte buffer: bytes are appended at the end and the capacity grows by half as much
// again as is needed, so that many small appends cost few reallocations.
#pragma once

#include <cstdint>
#include <memory>

#include "procs/velmor_exception.h"

class tcontainer_stream : public tvelmor_object {
public:
    tcontainer_stream() = default;
    tcontainer_stream(const tcontainer_stream&) = delete;
    tcontainer_stream& operator=(const tcontainer_stream&) = delete;
    ~tcontainer_stream() override { clear(); }
    const char* class_name() const override { return "tcontainer_stream"; }

    // Appends asize bytes; grows first when the capacity is too small.
    void add(const void* adata, int32_t asize);
    // New capacity avalue + avalue / 2 (kept within the 32-bit range).
    void grow_to(int32_t avalue);
    // Reallocates to exactly avalue bytes, keeping the content.
    void set_capacity(int32_t avalue);
    // Releases the memory: count and capacity 0.
    void clear();

    int32_t get_count() const { return fcount; }
    int32_t get_capacity() const { return fcapacity; }
    const uint8_t* get_data() const { return fdata.get(); }

protected:
    uint8_t* data() { return fdata.get(); }
    void set_count(int32_t avalue) { fcount = avalue; }

private:
    std::unique_ptr<uint8_t[]> fdata;
    int32_t fcount = 0;
    int32_t fcapacity = 0;
};
