// A unique_ptr whose deleter remembers whether its container owns the object: containers that
// may or may not own their objects hold these, so that ownership is decided once per container.
#pragma once

#include <memory>

template <typename T>
struct toptional_delete {
    bool fowns = true;
    void operator()(T* aobject) const {
        if (fowns) delete aobject;
    }
};

template <typename T>
using towned_ptr = std::unique_ptr<T, toptional_delete<T>>;
