// What an object says about which of its fields hold a value; reflective access over an instance
// asks it, and data records answer it.
#pragma once

#include <cstdint>

class ivalue_object {
public:
    virtual ~ivalue_object() = default;
    virtual bool get_field_is_assigned(int32_t aindex) const = 0;
};
