// The container's tag boxes: the object range table of the containers layer, plus a walk over
// the stored objects in tag order.
#pragma once

#include <cstdint>

#include "containers/birdbox_object.h"

template <typename T>
class ttag_box : public tbirdbox_object<T> {
public:
    explicit ttag_box(bool as_allow_out_of_range = false) : tbirdbox_object<T>(true, as_allow_out_of_range) {}

    bool finalized() const { return this->is_finalized(); }
    bool empty() const { return this->is_empty(); }

    // Visits the stored objects in tag order, holes skipped; nothing before finish_adds.
    template <typename F>
    void for_each(F afunction) const {
        if (!finalized()) return;
        for (int64_t t = this->index_first(); t <= this->index_last(); ++t)
            if (T* object = this->get_item2(static_cast<int32_t>(t), true)) afunction(object);
    }

    // Visits as for_each until apredicate answers true, and answers whether it did. Nothing of
    // the box is touched after that answer, so the visited object may free the box.
    template <typename F>
    bool any_of(F apredicate) const {
        if (!finalized()) return false;
        for (int64_t t = this->index_first(); t <= this->index_last(); ++t)
            if (T* object = this->get_item2(static_cast<int32_t>(t), true); object && apredicate(object)) return true;
        return false;
    }
};
