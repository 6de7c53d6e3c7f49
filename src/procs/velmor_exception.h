// The one exception type of the program: it carries the fully formatted message that the
// message loop shows to the user.
#pragma once

#include <stdexcept>
#include <string>

#include "procs/message_format.h"

class tvelmor_exception : public std::runtime_error {
public:
    explicit tvelmor_exception(const std::string& amessage) : std::runtime_error(amessage) {}

    // Formats the message with the system's placeholders (see message_format.h).
    template <typename... Args>
    tvelmor_exception(const char* aformat, const Args&... args)
        : std::runtime_error(tprocs_message::format(aformat, {tformat_arg(args)...})) {}
};

// Classes that raise name their run-time class in the message; each reports its own name.
class tvelmor_object {
public:
    virtual ~tvelmor_object() = default;
    virtual const char* class_name() const { return "tobject"; }
};
