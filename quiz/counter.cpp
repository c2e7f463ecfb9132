#include "counter.h"

#include <array>
#include <charconv>
#include <cmath>

namespace counter {

namespace {

// The captions hold whole numbers, which are read and written here without the floating-point
// conversions, whose code and tables are over 100 kB more of the C++ library to map. Below a
// hundred thousand, plain digits are also the shortest text of a whole number.
constexpr double kPlainLimit = 100000;

bool isPlainWhole(double value) {
    return std::abs(value) < kPlainLimit && value == std::trunc(value) &&
           !(value == 0 && std::signbit(value));
}

}  // namespace

double valueOf(std::string_view caption) {
    const auto start = caption.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return 0;
    }
    caption.remove_prefix(start);
    const char* first = caption.data();
    const char* last = first + caption.size();
    long long whole = 0;
    const auto plain = std::from_chars(first, last, whole);
    if (plain.ec == std::errc() && (plain.ptr == last || *plain.ptr != '.') &&
        isPlainWhole(static_cast<double>(whole)) && !(whole == 0 && *first == '-')) {
        return static_cast<double>(whole);
    }
    double value = 0;
    const auto result = std::from_chars(first, last, value, std::chars_format::fixed);
    return result.ec == std::errc() ? value : 0;
}

std::string textOf(double value) {
    std::array<char, 32> buffer{};
    const auto result = isPlainWhole(value)
                            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                            static_cast<long long>(value))
                            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string stepped(std::string_view caption, double delta) {
    return textOf(valueOf(caption) + delta);
}

}  // namespace counter
