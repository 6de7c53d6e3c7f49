#include "shell/script_driver.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "procs/message_format.h"
#include "shell/form_intro.h"
#include "shell/form_main.h"
#include "shell/key_mapping.h"
#include "shell/qt_platform.h"

namespace {

// Command, smallest and largest argument count.
struct tcommand {
    const char* name;
    size_t min_args;
    size_t max_args;
};

constexpr tcommand commands[] = {
    {"key", 1, 1},         {"keydown", 1, 1},     {"keyup", 1, 1},       {"type", 1, 1},
    {"click", 3, 3},       {"idle", 0, 0},        {"wait", 1, 1},        {"screenshot", 1, 1},
    {"expect-page", 1, 1}, {"expect-text", 3, 3}, {"expect-cell", 5, 5}, {"expect-error", 1, 1}, {"expect-message", 1, 1},
    {"expect-closed", 0, 0}, {"answer", 1, 1},    {"answer-path", 1, 1}, {"ignore-errors", 0, 0},
    {"enter-page", 1, 2},  {"intro", 1, 1},       {"wait-intro", 1, 1},
};

const std::map<std::string, int32_t> surface_slots = {{"main", 0}, {"header", 1}, {"footer", 2}, {"overlay", 3}};

const std::map<std::string, tmsgbox_result> answers = {
    {"ok", tmsgbox_result::ok}, {"cancel", tmsgbox_result::cancel}, {"yes", tmsgbox_result::yes}, {"no", tmsgbox_result::no}};

// Splits a line into words; "quoted text" is one word, with \" and \\ inside.
bool split_words(const std::string& aline, std::vector<std::string>& awords, std::string& aerror) {
    size_t i = 0;
    while (i < aline.size()) {
        if (aline[i] == ' ' || aline[i] == '\t') {
            ++i;
            continue;
        }
        if (aline[i] == '#') break;
        std::string word;
        if (aline[i] == '"') {
            ++i;
            bool closed = false;
            while (i < aline.size()) {
                char c = aline[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < aline.size()) c = aline[i++];
                word += c;
            }
            if (!closed) {
                aerror = "a quoted text is not closed";
                return false;
            }
        } else {
            while (i < aline.size() && aline[i] != ' ' && aline[i] != '\t') word += aline[i++];
        }
        awords.push_back(word);
    }
    return true;
}

bool is_number(const std::string& atext) {
    if (atext.empty()) return false;
    size_t start = atext[0] == '-' ? 1 : 0;
    if (start == atext.size()) return false;
    for (size_t i = start; i < atext.size(); ++i)
        if (atext[i] < '0' || atext[i] > '9') return false;
    return true;
}

void process_events() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

}  // namespace

tscript_driver::tscript_driver(Tform_main& aform, tqt_platform& aplatform) : fform(aform), fplatform(aplatform) {
    fform.set_error_reporter([this](const std::string& amessage) {
        std::fprintf(stderr, "error: %s\n", amessage.c_str());
        ferrors.push_back(amessage);
    });
    fplatform.set_modal_answers(
        [this](const std::u16string& atext, const std::u16string&, tmsgbox_buttons abuttons) {
            fmessages.push_back(atext);
            std::printf("message box: %s\n", utf16_to_utf8(atext).c_str());
            if (!fanswers.empty()) {
                tmsgbox_result result = fanswers.front();
                fanswers.pop_front();
                return result;
            }
            if (abuttons == tmsgbox_buttons::ok) return tmsgbox_result::ok;
            fmodal_failure = "a message box asked \"" + utf16_to_utf8(atext) + "\" and the script gave no answer";
            return abuttons == tmsgbox_buttons::yes_no ? tmsgbox_result::no : tmsgbox_result::cancel;
        },
        [this](const std::u16string& acaption) -> std::optional<std::u16string> {
            if (!fpaths.empty()) {
                auto result = fpaths.front();
                fpaths.pop_front();
                return result;
            }
            fmodal_failure = "a chooser \"" + utf16_to_utf8(acaption) + "\" opened and the script gave no answer-path";
            return std::nullopt;
        });
}

tscript_driver::~tscript_driver() {
    fform.set_error_reporter(nullptr);
    fplatform.set_modal_answers(nullptr, nullptr);
}

bool tscript_driver::load_file(const std::string& afilename) {
    std::ifstream in(afilename, std::ios::binary);
    if (!in) {
        fname = afilename;
        ffailure = "Cannot read the script " + afilename;
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    return load_text(text.str(), afilename);
}

bool tscript_driver::load_text(const std::string& atext, const std::string& aname) {
    fname = aname;
    fsteps.clear();
    std::istringstream in(atext);
    std::string line;
    for (int32_t lineno = 1; std::getline(in, line); ++lineno) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!parse_line(line, lineno)) return false;
    }
    return true;
}

bool tscript_driver::parse_line(const std::string& aline, int32_t alineno) {
    std::vector<std::string> words;
    std::string error;
    tstep step{alineno, "", {}};
    if (!split_words(aline, words, error)) return fail(step, error);
    if (words.empty()) return true;
    step.command = words[0];
    step.args.assign(words.begin() + 1, words.end());
    const tcommand* command = nullptr;
    for (const tcommand& c : commands)
        if (step.command == c.name) command = &c;
    if (!command) return fail(step, "unknown command \"" + step.command + "\"");
    if (step.args.size() < command->min_args || step.args.size() > command->max_args) {
        return fail(step, step.command + " takes " + std::to_string(command->min_args) +
                              (command->min_args == command->max_args ? "" : " to " + std::to_string(command->max_args)) +
                              " argument(s)");
    }
    const std::string& c = step.command;
    if ((c == "key" || c == "keydown" || c == "keyup") && !tkey_mapping::keystroke_for_name(step.args[0]))
        return fail(step, "unknown key \"" + step.args[0] + "\"");
    if (c == "type") {
        for (char16_t ch : utf8_to_utf16(step.args[0]))
            if (!tkey_mapping::keystroke_for_typing(ch))
                return fail(step, "\"" + step.args[0] +
                                      "\" holds a character that cannot be typed (a control character, or one "
                                      "beyond the first 65536)");
    }
    if ((c == "wait" || c == "expect-page" || c == "enter-page") && !is_number(step.args[0]))
        return fail(step, c + " needs a number");
    if (c == "enter-page" && step.args.size() == 2 && !is_number(step.args[1]))
        return fail(step, "enter-page takes a page number and a key");
    if ((c == "click" || c == "expect-text" || c == "expect-cell") && !surface_slots.count(step.args[0]))
        return fail(step, "unknown surface \"" + step.args[0] + "\" (main, header, footer or overlay)");
    if (c == "click" && !(is_number(step.args[1]) && is_number(step.args[2])))
        return fail(step, "click needs a surface and two numbers");
    if (c == "expect-text" && !is_number(step.args[1])) return fail(step, "expect-text needs a control tag");
    if (c == "expect-cell" && !(is_number(step.args[1]) && is_number(step.args[2]) && is_number(step.args[3])))
        return fail(step, "expect-cell needs a grid tag, a row and a column");
    if (c == "answer" && !answers.count(step.args[0])) return fail(step, "answer is ok, cancel, yes or no");
    if (c == "intro" && step.args[0] != "on") return fail(step, "intro takes on");
    if (c == "intro") fwants_intro = true;
    if (c == "wait-intro" && step.args[0] != "closed" && !(is_number(step.args[0]) && std::stoi(step.args[0]) > 0))
        return fail(step, "wait-intro needs a tick (1 or more) or closed");
    fsteps.push_back(step);
    return true;
}

bool tscript_driver::fail(const tstep& astep, const std::string& amessage) {
    ffailure = fname + " line " + std::to_string(astep.line) + ": " + amessage;
    return false;
}

int tscript_driver::run() {
    if (!ffailure.empty()) return exit_bad_script;
    process_events();
    for (const tstep& step : fsteps) {
        if (step.command != "expect-error" && step.command != "ignore-errors" && !check_errors(step))
            return exit_failed;
        if (fform.is_closed() && step.command != "expect-closed" && step.command != "screenshot")
            return fail(step, "the window has closed"), exit_failed;
        if (!run_step(step)) return exit_failed;
        if (!fmodal_failure.empty()) return fail(step, fmodal_failure), exit_failed;
    }
    tstep end{static_cast<int32_t>(fsteps.empty() ? 0 : fsteps.back().line), "", {}};
    return check_errors(end) ? exit_ok : exit_failed;
}

bool tscript_driver::check_errors(const tstep& astep) {
    if (fignore_errors) ferrors.clear();
    if (ferrors.empty()) return true;
    return fail(astep, "unexpected error: " + ferrors.front());
}

bool tscript_driver::run_step(const tstep& astep) {
    const std::string& c = astep.command;
    const std::vector<std::string>& a = astep.args;
    if (c == "key") return send_keystroke(astep, a[0], true, true);
    if (c == "keydown") return send_keystroke(astep, a[0], true, false);
    if (c == "keyup") return send_keystroke(astep, a[0], false, true);
    if (c == "type") return type_text(utf8_to_utf16(a[0]));
    if (c == "click") return click(astep);
    if (c == "idle") return idle(astep);
    if (c == "screenshot") return screenshot(astep);
    if (c == "expect-text") return expect_text(astep);
    if (c == "expect-cell") return expect_cell(astep);
    if (c == "wait-intro") return wait_intro(astep);
    if (c == "intro") return true;  // read with the script: the intro opens when the window first shows
    if (c == "ignore-errors") {
        fignore_errors = true;
        return true;
    }
    if (c == "answer") {
        fanswers.push_back(answers.at(a[0]));
        return true;
    }
    if (c == "answer-path") {
        fpaths.push_back(a[0] == "cancel" ? std::nullopt : std::optional<std::u16string>(utf8_to_utf16(a[0])));
        return true;
    }
    if (c == "wait") {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < std::stoll(a[0])) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return true;
    }
    if (c == "enter-page") {
        const auto page = static_cast<int16_t>(std::stoi(a[0]));
        if (fform.events() && a.size() == 2)
            fform.events()->enter_page(page, std::stoi(a[1]));
        else if (fform.events())
            fform.events()->enter_page(page);
        process_events();
        return true;
    }
    if (c == "expect-page") {
        int32_t page = fform.events() ? fform.events()->get_pageno() : -1;
        if (page == std::stoi(a[0])) return true;
        return fail(astep, "expected page " + a[0] + " in the main slot, found page " + std::to_string(page));
    }
    if (c == "expect-error") {
        if (ferrors.empty()) return fail(astep, "expected the error \"" + a[0] + "\", but no error was reported");
        std::string got = ferrors.front();
        ferrors.pop_front();
        if (got == a[0]) return true;
        return fail(astep, "expected the error \"" + a[0] + "\", got \"" + got + "\"");
    }
    if (c == "expect-message") {
        std::string last = fmessages.empty() ? "" : utf16_to_utf8(fmessages.back());
        if (!fmessages.empty() && last == a[0]) return true;
        return fail(astep, "expected the message box \"" + a[0] + "\", " +
                               (fmessages.empty() ? std::string("but none was shown") : "the last one was \"" + last + "\""));
    }
    if (c == "expect-closed") {
        if (fform.is_closed()) return true;
        return fail(astep, "expected the window to have closed; it is open");
    }
    return fail(astep, "unknown command \"" + c + "\"");
}

// Until nothing is queued, no private message is on its way, and the events that follow have run.
bool tscript_driver::idle(const tstep& astep) {
    QElapsedTimer timer;
    timer.start();
    int32_t quiet_rounds = 0;
    while (quiet_rounds < 3) {
        process_events();
        bool quiet = !fform.has_pending_private() && (!fform.events() || fform.events()->queue_empty());
        quiet_rounds = quiet ? quiet_rounds + 1 : 0;
        if (timer.elapsed() > 10000) return fail(astep, "idle: the queued work did not drain within 10 seconds");
    }
    return true;
}

bool tscript_driver::send_keystroke(const tstep&, const std::string& aname, bool adown, bool aup) {
    tqt_keystroke stroke = *tkey_mapping::keystroke_for_name(aname);
    // Modifier keys go down before the key and come up after it, as on a keyboard.
    struct tmod {
        Qt::KeyboardModifier modifier;
        Qt::Key key;
    };
    const tmod mods[] = {{Qt::ShiftModifier, Qt::Key_Shift}, {Qt::ControlModifier, Qt::Key_Control}, {Qt::AltModifier, Qt::Key_Alt}};
    // The whole keystroke goes where its first press went (the key that ends the intro is not
    // released onto the pages).
    QWidget& target = key_target();
    auto send = [&](QEvent::Type atype, Qt::Key akey, Qt::KeyboardModifiers amods, const QString& atext) {
        QKeyEvent event(atype, akey, amods, atext);
        QCoreApplication::sendEvent(&target, &event);
    };
    if (adown) {
        Qt::KeyboardModifiers held;
        for (const tmod& m : mods) {
            if (!(stroke.modifiers & m.modifier)) continue;
            held |= m.modifier;
            send(QEvent::KeyPress, m.key, held, {});
        }
        send(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
    }
    if (aup) {
        send(QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text);
        Qt::KeyboardModifiers held = stroke.modifiers;
        for (int i = 2; i >= 0; --i) {
            if (!(stroke.modifiers & mods[i].modifier)) continue;
            held &= ~mods[i].modifier;
            send(QEvent::KeyRelease, mods[i].key, held, {});
        }
    }
    process_events();
    return true;
}

bool tscript_driver::type_text(const std::u16string& atext) {
    for (char16_t ch : atext) {
        tqt_keystroke stroke = *tkey_mapping::keystroke_for_typing(ch);
        // Shift goes down and up around the key, as on a keyboard.
        QKeyEvent down(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
        QKeyEvent up(QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text);
        QWidget& target = key_target();
        if (stroke.modifiers & Qt::ShiftModifier) {
            QKeyEvent shift_down(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
            QCoreApplication::sendEvent(&target, &shift_down);
        }
        QCoreApplication::sendEvent(&target, &down);
        QCoreApplication::sendEvent(&target, &up);
        if (stroke.modifiers & Qt::ShiftModifier) {
            QKeyEvent shift_up(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
            QCoreApplication::sendEvent(&target, &shift_up);
        }
        process_events();
    }
    return true;
}

bool tscript_driver::click(const tstep& astep) {
    // While the intro is open the click lands on it, as a user's would.
    QWidget* panel = Tform_intro::current() ? static_cast<QWidget*>(Tform_intro::current())
                                            : fform.panel(surface_slots.at(astep.args[0]));
    QPointF at(std::stoi(astep.args[1]), std::stoi(astep.args[2]));
    QMouseEvent down(QEvent::MouseButtonPress, at, panel->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(panel, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, panel->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(panel, &up);
    process_events();
    return true;
}

bool tscript_driver::expect_text(const tstep& astep) {
    int32_t slot = surface_slots.at(astep.args[0]);
    int32_t tag = std::stoi(astep.args[1]);
    std::u16string text;
    if (!fform.events() || !fform.events()->get_control_text(slot, tag, text))
        return fail(astep, "no control " + astep.args[1] + " with a caption or text on the " + astep.args[0] + " surface");
    const std::string shown = utf16_to_utf8(text);
    // "*TEXT" asks only for the end: figures that follow today's date can be left out.
    const std::string& expected = astep.args[2];
    if (shown == expected) return true;
    if (!expected.empty() && expected[0] == '*' && shown.size() >= expected.size() - 1 &&
        shown.compare(shown.size() - (expected.size() - 1), std::string::npos, expected, 1) == 0)
        return true;
    return fail(astep, "control " + astep.args[1] + " on the " + astep.args[0] + " surface shows \"" +
                           utf16_to_utf8(text) + "\", expected \"" + astep.args[2] + "\"");
}

bool tscript_driver::expect_cell(const tstep& astep) {
    const std::string where = "grid " + astep.args[1] + " on the " + astep.args[0] + " surface";
    const std::string cell = "row " + astep.args[2] + ", column " + astep.args[3];
    std::u16string text;
    if (!fform.events() || !fform.events()->get_cell_text(surface_slots.at(astep.args[0]), std::stoi(astep.args[1]),
                                                          std::stoi(astep.args[2]), std::stoi(astep.args[3]), text))
        return fail(astep, where + " has no text in " + cell);
    if (utf16_to_utf8(text) == astep.args[4]) return true;
    return fail(astep, where + " shows \"" + utf16_to_utf8(text) + "\" in " + cell + ", expected \"" + astep.args[4] + "\"");
}

bool tscript_driver::screenshot(const tstep& astep) {
    QString path = QFileInfo(QString::fromStdString(astep.args[0])).absoluteFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QWidget& window = Tform_intro::current() ? static_cast<QWidget&>(*Tform_intro::current()) : fform;
    if (!window.grab().save(path, "PNG")) return fail(astep, "cannot write the screenshot " + path.toStdString());
    std::printf("screenshot: %s\n", path.toStdString().c_str());
    std::fflush(stdout);
    return true;
}

// While the intro is open it has the keys, as a modal window does.
QWidget& tscript_driver::key_target() {
    if (Tform_intro* intro = Tform_intro::current()) return *intro;
    return fform;
}

// Lets the intro run until it has ticked atick times (its timer then waits for the next
// wait-intro, so a screenshot shows exactly that tick), or until it has closed.
bool tscript_driver::wait_intro(const tstep& astep) {
    const bool closed = astep.args[0] == "closed";
    const int32_t tick = closed ? 0 : std::stoi(astep.args[0]);
    Tform_intro* intro = Tform_intro::current();
    if (!intro && closed) return true;
    if (!intro) return fail(astep, "no intro is open (the script needs \"intro on\", the program data/assets_001.dat)");
    if (!closed && intro->tick_count() > tick)
        return fail(astep, "the intro is already at tick " + std::to_string(intro->tick_count()));
    intro->run_until(tick);
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        Tform_intro* now = Tform_intro::current();
        if (!now && !closed) return fail(astep, "the intro closed before tick " + astep.args[0]);
        if (closed ? !now : now->tick_count() >= tick) return true;
        if (timer.elapsed() > 20000) return fail(astep, "wait-intro: the intro did not get there within 20 seconds");
    }
}
