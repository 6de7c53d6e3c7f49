#include "containers/container_stream.h"

#include <cstring>
#include <limits>

void tcontainer_stream::add(const void* adata, int32_t asize) {
    if (asize < 0) throw tvelmor_exception("Illegal %s.add( %d ); negative size.", class_name(), asize);
    if (asize == 0) return;
    int64_t needed = int64_t{fcount} + asize;
    if (needed > std::numeric_limits<int32_t>::max())
        throw tvelmor_exception("Illegal %s.add( %d ); stream too large.", class_name(), asize);
    if (fcapacity < needed) grow_to(static_cast<int32_t>(needed));
    std::memcpy(fdata.get() + fcount, adata, static_cast<size_t>(asize));
    fcount = static_cast<int32_t>(needed);
}

void tcontainer_stream::grow_to(int32_t avalue) {
    int64_t capacity = int64_t{avalue} + avalue / 2;
    if (capacity > std::numeric_limits<int32_t>::max()) capacity = std::numeric_limits<int32_t>::max();
    set_capacity(static_cast<int32_t>(capacity));
}

void tcontainer_stream::set_capacity(int32_t avalue) {
    if (avalue < fcount)
        throw tvelmor_exception("Illegal %s.set_capacity( %d ) less than count.", class_name(), avalue);
    if (avalue == fcapacity) return;
    std::unique_ptr<uint8_t[]> data;
    if (avalue > 0) {
        data = std::make_unique_for_overwrite<uint8_t[]>(static_cast<size_t>(avalue));
        if (fcount > 0) std::memcpy(data.get(), fdata.get(), static_cast<size_t>(fcount));
    }
    fdata = std::move(data);
    fcapacity = avalue;
}

void tcontainer_stream::clear() {
    fdata.reset();
    fcount = 0;
    fcapacity = 0;
}
