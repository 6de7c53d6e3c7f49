// The abstract iterator handed out by containers: first, then next until eof, reading item.
// The base raises "not implemented" so that a walk over an unsupported list fails loudly.
#pragma once

#include "procs/velmor_exception.h"

template <typename T>
class tprototype_iterable : public tvelmor_object {
public:
    const char* class_name() const override { return "tprototype_iterable"; }

    virtual void first() { throw tvelmor_exception("%s.first(); not implemented.", class_name()); }
    virtual void next() { throw tvelmor_exception("%s.next(); not implemented.", class_name()); }
    virtual bool eof() const { throw tvelmor_exception("%s.eof(); not implemented.", class_name()); }
    virtual T* item() const { throw tvelmor_exception("%s.item(); not implemented.", class_name()); }
};
