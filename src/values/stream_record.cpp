#include "values/stream_record.h"

int32_t tstream_record::add(int32_t asize, bool as_initialized) {
    int32_t needed = fcount + asize;
    if (needed > fcapacity) set_capacity(needed + needed / 2);
    int32_t offset = fcount;
    if (as_initialized) std::memset(fdata.get() + offset, 0, static_cast<size_t>(asize));
    fcount = needed;
    return offset;
}

void tstream_record::clear() {
    fdata.reset();
    fcount = 0;
    fcapacity = 0;
}

void tstream_record::set_capacity(int32_t avalue) {
    if (avalue < fcount) throw tvelmor_exception("Illegal %s.set_capacity( %d ) less than count.", class_name(), avalue);
    auto data = std::make_unique<uint8_t[]>(static_cast<size_t>(avalue));
    if (fcount > 0) std::memcpy(data.get(), fdata.get(), static_cast<size_t>(fcount));
    fdata = std::move(data);
    fcapacity = avalue;
}

void tfield_store::reset(std::vector<tslot_kind> akinds) {
    clear();
    fkinds = std::move(akinds);
    ffields.assign(fkinds.size(), -1);
}

void tfield_store::clear() {
    for (int32_t i = 0; i < count(); ++i) {
        if (is_assigned(i)) release(i);
        ffields[static_cast<size_t>(i)] = -1;
    }
    ffield_values.clear();
}

int32_t tfield_store::slot(int32_t aindex, size_t asize) {
    int16_t& offset = ffields[static_cast<size_t>(aindex)];
    if (offset == -1) offset = static_cast<int16_t>(ffield_values.add(static_cast<int32_t>(asize), true));
    return offset;
}

void tfield_store::release(int32_t aindex) {
    switch (fkinds[static_cast<size_t>(aindex)]) {
    case tslot_kind::unicodestring: delete read<std::u16string*>(aindex); break;
    case tslot_kind::ansistring: delete read<std::string*>(aindex); break;
    case tslot_kind::object: delete read<treflected_object*>(aindex); break;
    case tslot_kind::plain: return;
    }
    std::memset(ffield_values.get_item(ffields[static_cast<size_t>(aindex)]), 0, sizeof(void*));
}

std::u16string tfield_store::read_unicodestring(int32_t aindex) const {
    const std::u16string* p = read<std::u16string*>(aindex);
    return p ? *p : std::u16string();
}

std::string tfield_store::read_ansistring(int32_t aindex) const {
    const std::string* p = read<std::string*>(aindex);
    return p ? *p : std::string();
}

void tfield_store::write_unicodestring(int32_t aindex, const std::u16string& avalue) {
    if (is_assigned(aindex)) release(aindex);
    write<std::u16string*>(aindex, avalue.empty() ? nullptr : new std::u16string(avalue));
}

void tfield_store::write_ansistring(int32_t aindex, const std::string& avalue) {
    if (is_assigned(aindex)) release(aindex);
    write<std::string*>(aindex, avalue.empty() ? nullptr : new std::string(avalue));
}

void tfield_store::write_object(int32_t aindex, treflected_object* avalue) {
    if (is_assigned(aindex) && read_object(aindex) == avalue) return;  // keeping its own object
    if (is_assigned(aindex)) release(aindex);
    write<treflected_object*>(aindex, avalue);
}
