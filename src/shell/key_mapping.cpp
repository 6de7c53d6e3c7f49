#include "shell/key_mapping.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "controls/controllers.h"

namespace {

struct tkey_code {
    int qt_key;
    uint16_t vk;
};

// Keys with a code of their own, including the shifted punctuation of the US layout, which
// reaches Qt as a key of its own but is the same key for the system.
constexpr tkey_code key_codes[] = {
    {Qt::Key_Backspace, tvk::back},   {Qt::Key_Tab, tvk::tab},         {Qt::Key_Backtab, tvk::tab},
    {Qt::Key_Return, tvk::enter},     {Qt::Key_Enter, tvk::enter},     {Qt::Key_Shift, tvk::shift},
    {Qt::Key_Control, tvk::control},  {Qt::Key_Alt, tvk::menu},        {Qt::Key_CapsLock, tvk::capital},
    {Qt::Key_Escape, tvk::escape},    {Qt::Key_Space, tvk::space},     {Qt::Key_PageUp, tvk::prior},
    {Qt::Key_PageDown, tvk::next},    {Qt::Key_End, tvk::end},         {Qt::Key_Home, tvk::home},
    {Qt::Key_Left, tvk::left},        {Qt::Key_Up, tvk::up},           {Qt::Key_Right, tvk::right},
    {Qt::Key_Down, tvk::down},        {Qt::Key_Insert, tvk::insert},   {Qt::Key_Delete, tvk::del},
    {Qt::Key_Semicolon, 186},         {Qt::Key_Colon, 186},            {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},              {Qt::Key_Comma, 188},            {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},             {Qt::Key_Underscore, 189},       {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},           {Qt::Key_Slash, 191},            {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},         {Qt::Key_AsciiTilde, 192},       {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},         {Qt::Key_Backslash, 220},        {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},      {Qt::Key_BraceRight, 221},       {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},          {Qt::Key_Exclam, '1'},           {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},        {Qt::Key_Dollar, '4'},           {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},       {Qt::Key_Ampersand, '7'},        {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},         {Qt::Key_ParenRight, '0'},
};

// US layout: the characters typed without Shift and with Shift, key by key.
constexpr const char* plain_chars = "`1234567890-=[]\\;',./";
constexpr const char* shifted_chars = "~!@#$%^&*()_+{}|:\"<>?";

struct tnamed_key {
    const char* name;
    Qt::Key key;
};

constexpr tnamed_key named_keys[] = {
    {"enter", Qt::Key_Return},   {"return", Qt::Key_Return}, {"esc", Qt::Key_Escape},
    {"escape", Qt::Key_Escape},  {"tab", Qt::Key_Tab},       {"space", Qt::Key_Space},
    {"backspace", Qt::Key_Backspace}, {"insert", Qt::Key_Insert}, {"ins", Qt::Key_Insert},
    {"delete", Qt::Key_Delete},  {"del", Qt::Key_Delete},    {"home", Qt::Key_Home},
    {"end", Qt::Key_End},        {"pageup", Qt::Key_PageUp}, {"pagedown", Qt::Key_PageDown},
    {"left", Qt::Key_Left},      {"right", Qt::Key_Right},   {"up", Qt::Key_Up},
    {"down", Qt::Key_Down},      {"capslock", Qt::Key_CapsLock},
};

std::string lower(std::string atext) {
    std::transform(atext.begin(), atext.end(), atext.begin(), [](unsigned char c) { return std::tolower(c); });
    return atext;
}

}  // namespace

uint16_t tkey_mapping::virtual_key(int aqt_key) {
    if (aqt_key >= Qt::Key_0 && aqt_key <= Qt::Key_9) return static_cast<uint16_t>('0' + aqt_key - Qt::Key_0);
    if (aqt_key >= Qt::Key_A && aqt_key <= Qt::Key_Z) return static_cast<uint16_t>('A' + aqt_key - Qt::Key_A);
    if (aqt_key >= Qt::Key_F1 && aqt_key <= Qt::Key_F12) return static_cast<uint16_t>(tvk::f1 + aqt_key - Qt::Key_F1);
    for (const tkey_code& k : key_codes) {
        if (k.qt_key == aqt_key) return k.vk;
    }
    return 0;
}

uint32_t tkey_mapping::shift_state(Qt::KeyboardModifiers amodifiers) {
    uint32_t s = 0;
    if (amodifiers & Qt::ShiftModifier) s |= tshift::shift;
    if (amodifiers & Qt::AltModifier) s |= tshift::alt;
    if (amodifiers & Qt::ControlModifier) s |= tshift::ctrl;
    return s;
}

uint32_t tkey_mapping::mouse_state(Qt::KeyboardModifiers amodifiers, Qt::MouseButtons abuttons) {
    uint32_t s = shift_state(amodifiers);
    if (abuttons & Qt::LeftButton) s |= tshift::left;
    if (abuttons & Qt::RightButton) s |= tshift::right;
    if (abuttons & Qt::MiddleButton) s |= tshift::middle;
    return s;
}

int32_t tkey_mapping::mouse_button(Qt::MouseButton abutton) {
    if (abutton == Qt::RightButton) return 1;
    if (abutton == Qt::MiddleButton) return 2;
    return 0;
}

std::u16string tkey_mapping::printable_characters(const QString& atext) {
    std::u16string result;
    for (QChar c : atext)
        if (!c.isSurrogate() && c.isPrint()) result.push_back(c.unicode());
    return result;
}

std::u16string tkey_mapping::typed_text(int aqt_key, Qt::KeyboardModifiers amodifiers, const QString& atext) {
    if (amodifiers & (Qt::ControlModifier | Qt::AltModifier)) return {};
    std::u16string text = printable_characters(atext);
    if (text.empty()) return {};
    const uint16_t vk = virtual_key(aqt_key);
    if (vk == 0) return text;
    if (!tvelmor_keyboard::is_character_key(vk) || (vk >= 'A' && vk <= 'Z')) return {};
    const char16_t us = tvelmor_keyboard::translate_key(vk, (amodifiers & Qt::ShiftModifier) != 0, false);
    return text == std::u16string(1, us) ? std::u16string() : text;
}

std::optional<tqt_keystroke> tkey_mapping::keystroke_for_typing(char16_t ach) {
    if (auto us = keystroke_for_char(ach)) return us;
    const QChar c(ach);
    if (c.isSurrogate() || !c.isPrint()) return std::nullopt;
    // Qt names such a key by its character, upper case for a letter; an upper case inside ASCII
    // (dotless i, long s) would name a US key, so the character itself names it then.
    const char16_t upper = c.toUpper().unicode();
    const Qt::Key key = Qt::Key(upper < 0x80 ? ach : upper);
    return tqt_keystroke{key, c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c)};
}

std::optional<tqt_keystroke> tkey_mapping::keystroke_for_char(char16_t ach) {
    if (ach > 0x7E || ach < 0x20) return std::nullopt;
    char c = static_cast<char>(ach);
    QString text{QChar(ach)};
    if (c == ' ') return tqt_keystroke{Qt::Key_Space, Qt::NoModifier, text};
    if (c >= 'a' && c <= 'z') return tqt_keystroke{Qt::Key(Qt::Key_A + (c - 'a')), Qt::NoModifier, text};
    if (c >= 'A' && c <= 'Z') return tqt_keystroke{Qt::Key(Qt::Key_A + (c - 'A')), Qt::ShiftModifier, text};
    // Qt names a printable key by its Latin-1 code, whatever Shift did to it.
    if (std::strchr(plain_chars, c)) return tqt_keystroke{Qt::Key(c), Qt::NoModifier, text};
    if (std::strchr(shifted_chars, c)) return tqt_keystroke{Qt::Key(c), Qt::ShiftModifier, text};
    return std::nullopt;
}

std::optional<tqt_keystroke> tkey_mapping::keystroke_for_name(const std::string& aname) {
    tqt_keystroke stroke;
    std::string rest = aname;
    for (size_t plus; (plus = rest.find('+')) != std::string::npos && plus + 1 < rest.size();) {
        std::string modifier = lower(rest.substr(0, plus));
        if (modifier == "shift") stroke.modifiers |= Qt::ShiftModifier;
        else if (modifier == "ctrl") stroke.modifiers |= Qt::ControlModifier;
        else if (modifier == "alt") stroke.modifiers |= Qt::AltModifier;
        else return std::nullopt;
        rest = rest.substr(plus + 1);
    }
    std::string name = lower(rest);
    for (const tnamed_key& k : named_keys) {
        if (name == k.name) {
            stroke.key = k.key;
            if (k.key == Qt::Key_Return) stroke.text = "\r";
            if (k.key == Qt::Key_Space) stroke.text = " ";
            if (k.key == Qt::Key_Tab && (stroke.modifiers & Qt::ShiftModifier)) stroke.key = Qt::Key_Backtab;
            return stroke;
        }
    }
    if (name.size() >= 2 && name[0] == 'f' && std::isdigit(static_cast<unsigned char>(name[1]))) {
        int n = std::atoi(name.c_str() + 1);
        if (n < 1 || n > 12) return std::nullopt;
        stroke.key = Qt::Key(Qt::Key_F1 + n - 1);
        return stroke;
    }
    if (rest.size() == 1) {
        auto typed = keystroke_for_char(static_cast<char16_t>(std::toupper(static_cast<unsigned char>(rest[0]))));
        if (!typed) return std::nullopt;
        stroke.key = typed->key;
        // "A" names the key: Shift only when written; "!" is typed with Shift as on the keyboard.
        bool letter = std::isalpha(static_cast<unsigned char>(rest[0])) != 0;
        stroke.modifiers |= letter ? Qt::KeyboardModifiers() : typed->modifiers;
        stroke.text = (stroke.modifiers & Qt::ShiftModifier) ? typed->text : typed->text.toLower();
        if (stroke.modifiers & (Qt::ControlModifier | Qt::AltModifier)) stroke.text.clear();
        return stroke;
    }
    return std::nullopt;
}
