// What the input controller tests share: a handler stand-in that writes the focus commands,
// messages and list requests it receives into one log, a platform whose Caps Lock the test sets,
// and the key codes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/recording_canvas.h"
#include "page_fixture.h"
#include "support/fake_platform.h"

namespace input_test {

using tlog = std::vector<std::string>;

constexpr uint16_t key_back = 8, key_tab = 9, key_enter = 13, key_space = 32, key_end = 35, key_home = 36,
                   key_left = 37, key_up = 38, key_right = 39, key_down = 40, key_delete = 46, key_1 = 49,
                   key_a = 65, key_x = 88, key_semicolon = 186, key_backtick = 192;

class tcaps_platform : public tfake_platform {
public:
    bool get_capslock() override { return caps; }
    bool caps = false;
};

// Installs a platform for the life of the test.
class tuse_platform {
public:
    tuse_platform() : fsaved(tplatform::set_instance(&platform)) {}
    ~tuse_platform() { tplatform::set_instance(fsaved); }
    tcaps_platform platform;

private:
    tplatform* fsaved;
};

// Messages are logged by number (1113 with the state it carries), focus commands by name.
class tinput_owner : public ttest_owner {
public:
    tinput_owner() {
        answer = [this](void* aparams, int32_t atag, int32_t amsg) {
            std::string line = std::to_string(amsg) + " from " + std::to_string(atag);
            if (amsg == tmsg_code::checkbox_toggled)
                line += static_cast<tmsg_params_checked*>(aparams)->checked ? " checked" : " unchecked";
            log.push_back(line);
            return false;
        };
    }
    void execute_command2(thandler_command acommand) override {
        static const char* const names[] = {"focus next", "focus next panel", "focus prior", "focus off"};
        log.push_back(names[acommand]);
    }
    void run_combobox_list(tvelmor_combobox& acombobox) override {
        log.push_back("list for " + std::to_string(acombobox.tag));
    }
    tvelmor_miscobject* get_miscobject(int32_t atag) override {
        return atag == miscobject_tag ? miscobject : nullptr;
    }

    tlog log;
    int32_t miscobject_tag = 0;
    tvelmor_miscobject* miscobject = nullptr;
};

}  // namespace input_test
