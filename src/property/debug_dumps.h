// Developer aids of the template pages: the journaled write a page is about to send (its record
// and its statement) shown in a message box. They are shown only in the debug mode, which the
// hidden debug chord switches on and off, so a user never meets them.
#pragma once

class tejt_generic;

class tdebug_dumps {
public:
    static bool enabled();
    static void set_enabled(bool aenabled);
    // The chord: switches the mode and says which way it went.
    static void toggle();
    // In the debug mode: the write's record and then its statement, each in a box of its own.
    static void show_ejt(tejt_generic& aejt, const char* aclass_name);
};
