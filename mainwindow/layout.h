#pragma once

#include <QRect>
#include <QSize>
#include <array>
#include <stdexcept>
#include <string_view>

// The main window's design: its size, where every control lies (in pixels of its client area)
// with the font of those that carry their own, the two settings, and the furniture painted on the
// backdrop. The window places its controls by this table, the picture generator paints the
// backdrop by it, and the tests hold both to it. Headers only, so that the generator needs nothing
// but Qt's GUI module.
namespace layout {

constexpr QSize kWindowSize{414, 286};
// The backdrop is one row taller than the window, whose client area cuts its bottom row off.
constexpr QSize kBackdropSize{414, 287};

// A bold Arial of the given pixel height; 0 leaves the window's own font.
struct Font {
    int arialBoldPixels = 0;
};

constexpr Font arialBold(int pixelHeight) {
    return Font{pixelHeight};
}

struct Control {
    std::string_view name;  // the object name
    QRect rect;
    Font font = {};
};

// In the order in which the window creates them.
constexpr std::array<Control, 25> controls = {{
    {"questscroll", {382, 100, 12, 26}},
    {"IntScroll", {326, 100, 12, 26}},
    {"Picture1", {31, 14, 198, 121}},
    {"Label3", {280, 0, 132, 91}, arialBold(13)},
    {"ainput(2)", {86, 193, 18, 18}},
    {"Label2", {338, 122, 45, 13}},
    {"Label1", {289, 122, 29, 13}},
    {"awrong", {336, 142, 18, 19}, arialBold(16)},
    {"aright", {267, 142, 18, 19}, arialBold(16)},
    {"lleft", {16, 232, 57, 41}, arialBold(37)},
    {"lrestart", {332, 228, 38, 38}},
    {"lselect", {272, 172, 46, 45}},
    {"Iflats", {332, 200, 17, 17}},
    {"Isharps", {332, 176, 17, 17}},
    {"lstop", {374, 228, 36, 39}},
    {"lgo", {291, 228, 38, 39}},
    {"qNumber", {350, 102, 26, 23}, arialBold(21)},
    {"timeInt", {307, 102, 12, 24}, arialBold(21)},
    {"ainput(4)", {108, 253, 18, 18}},
    {"ainput(3)", {100, 223, 18, 18}},
    {"ainput(1)", {67, 163, 18, 18}},
    {"choice(4)", {144, 253, 131, 19}, arialBold(16)},
    {"choice(3)", {136, 223, 122, 19}, arialBold(16)},
    {"choice(2)", {121, 193, 132, 19}, arialBold(16)},
    {"choice(1)", {104, 163, 142, 19}, arialBold(16)},
}};

// A name that is not in the table stops the build where the lookup is a constant.
constexpr const Control& control(std::string_view name) {
    for (const Control& each : controls) {
        if (each.name == name) {
            return each;
        }
    }
    throw std::out_of_range("no control of that name in the main window");
}

constexpr QRect rectOf(std::string_view name) {
    return control(name).rect;
}

// A setting: a vertical scroll bar and the number shown beside it, which is the setting's only
// store. The bars run upside down: the up arrow, toward the minimum, raises the number.
struct Setting {
    std::string_view bar;
    std::string_view number;
    int minimum;
    int maximum;
    int start;  // the bar's value at start-up
    bool upRaises = true;

    // The number shown for a value of the bar; the same turns a number back into the value.
    constexpr int shown(int value) const { return upRaises ? minimum + maximum - value : value; }
    constexpr int valueShowing(int shownNumber) const { return shown(shownNumber); }
};

constexpr Setting kSeconds{"IntScroll", "timeInt", 0, 10, 5};
constexpr Setting kQuestions{"questscroll", "qNumber", 1, 25, 10};

// The furniture the backdrop paints beside the controls'.
namespace furniture {
// The words beside the two counts, under the logo and across the score band.
constexpr QRect logoTag(rectOf("Label3").left(), 78, rectOf("Label3").width(), 12);
constexpr QRect logoWord(rectOf("Label3").left() + 4, 14, 118, 34);
constexpr QRect answersWord(262, 139, 152, 28);
constexpr QRect correctWord(287, rectOf("aright").top(), 48, rectOf("aright").height());
constexpr QRect wrongWord(356, rectOf("awrong").top(), 58, rectOf("awrong").height());
// The grey band behind the counts; it runs off the window's right edge.
constexpr QRectF scoreBand(262, 139, 160, 28);
// The rule between the logo and the settings.
constexpr QRect settingsRule(292, 94, 112, 1);
// The light frame round the questions-left number in the white corner.
constexpr QRectF questionsLeftFrame(12.5, 228.5, 64, 48);
}  // namespace furniture

}  // namespace layout
