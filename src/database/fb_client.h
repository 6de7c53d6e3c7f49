// Internal to the database folder: the Firebird master interface, status handling that turns
// engine errors into the program's exception, and the lock-folder set-up before the first attach.
#pragma once

#include <firebird/Interface.h>

#include <string>

#include "procs/velmor_exception.h"

class tfb_client {
public:
    static Firebird::IMaster* master();
    static Firebird::IUtil* util();
    // The engine's own text of a failed status vector.
    static std::string status_text(const Firebird::IStatus* astatus);
    // Points FIREBIRD_LOCK at a folder of this user unless the environment already names one,
    // so that a lock folder left by another user cannot refuse the embedded engine.
    // Also makes sure the engine reads file names as UTF-8 (ensure_utf8_file_names).
    static void ensure_lock_folder();
    static void ensure_utf8_file_names();
};

// A status wrapper that raises tvelmor_exception with the engine's text.
class tfb_status : public Firebird::BaseStatusWrapper<tfb_status> {
public:
    tfb_status() : BaseStatusWrapper(tfb_client::master()->getStatus()) {}
    ~tfb_status() { dispose(); }
    tfb_status(const tfb_status&) = delete;
    tfb_status& operator=(const tfb_status&) = delete;

    static void checkException(tfb_status* astatus) {
        if (astatus->dirty && (astatus->getState() & Firebird::IStatus::STATE_ERRORS))
            astatus->raise();
    }
    [[noreturn]] void raise();
};

// Releases a reference-counted or disposable Firebird interface when the scope ends.
template <typename T> class tfb_ref {
public:
    tfb_ref() = default;
    explicit tfb_ref(T* a) : fp(a) {}
    ~tfb_ref() { reset(); }
    tfb_ref(const tfb_ref&) = delete;
    tfb_ref& operator=(const tfb_ref&) = delete;
    T* get() const { return fp; }
    T* operator->() const { return fp; }
    explicit operator bool() const { return fp != nullptr; }
    T* release() {
        T* r = fp;
        fp = nullptr;
        return r;
    }
    void reset(T* a = nullptr) {
        if (fp) {
            if constexpr (requires(T* x) { x->release(); })
                fp->release();
            else
                fp->dispose();
        }
        fp = a;
    }

private:
    T* fp = nullptr;
};

// Ends a handle (detach, rollback, free, close), which also releases it on success. The member is
// cleared first; when the engine refuses, the interface is still released and the error raised.
template <typename T, typename F> void fb_end(T*& ahandle, F aend) {
    if (!ahandle)
        return;
    T* h = ahandle;
    ahandle = nullptr;
    tfb_status st;
    try {
        aend(h, &st);
    } catch (...) {
        h->release();
        throw;
    }
}
