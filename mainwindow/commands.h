#pragma once

#include <QKeyCombination>
#include <QtGlobal>
#include <array>
#include <string_view>

// The window's commands: the control each one acts as, the keys that give it anywhere in the
// window, and the name and description assistive technology gives the control. The key
// bindings, the buttons' tooltips and accessible names, and README's key table all come from
// here. Names and descriptions are translated in the context "Form1".
namespace commands {

struct Command {
    std::string_view control;  // the object name
    const char* name;          // for buttons: the accessible name, which the tooltip repeats
    const char* description;   // nullptr where the window describes the control itself
    std::array<QKeyCombination, 3> keys;  // the first is the one a tooltip names; unused are 0
};

constexpr QKeyCombination kNone = QKeyCombination::fromCombined(0);

constexpr QKeyCombination keypad(Qt::Key key) {
    return Qt::KeypadModifier | key;
}

constexpr std::array<Command, 8> table = {{
    {"choice(1)", nullptr, nullptr, {Qt::Key_1, keypad(Qt::Key_1), kNone}},
    {"choice(2)", nullptr, nullptr, {Qt::Key_2, keypad(Qt::Key_2), kNone}},
    {"choice(3)", nullptr, nullptr, {Qt::Key_3, keypad(Qt::Key_3), kNone}},
    {"choice(4)", nullptr, nullptr, {Qt::Key_4, keypad(Qt::Key_4), kNone}},
    {"lgo",
     QT_TRANSLATE_NOOP("Form1", "Go"),
     QT_TRANSLATE_NOOP("Form1", "Starts the quiz, or resumes it after Stop"),
     {Qt::Key_Enter, Qt::Key_Return, keypad(Qt::Key_Enter)}},
    {"lstop",
     QT_TRANSLATE_NOOP("Form1", "Stop"),
     QT_TRANSLATE_NOOP("Form1", "Halts the quiz"),
     {Qt::Key_Escape, kNone, kNone}},
    {"lrestart",
     QT_TRANSLATE_NOOP("Form1", "Restart"),
     QT_TRANSLATE_NOOP("Form1", "Sets the counters back for a new quiz"),
     {Qt::Key_R, kNone, kNone}},
    {"lselect", QT_TRANSLATE_NOOP("Form1", "Key kind"), nullptr, {Qt::Key_S, kNone, kNone}},
}};

}  // namespace commands
