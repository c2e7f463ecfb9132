#pragma once

#include <QRect>
#include <array>
#include <stdexcept>
#include <string_view>

// Where every control of the main window lies, in pixels of its client area, and the font of
// the controls that carry their own. The window places its controls by this table, the picture
// generator paints the backdrop's furniture under them by it, and the tests hold both to it.
// Headers only, so that the generator needs nothing but Qt's GUI module.
namespace layout {

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

}  // namespace layout
