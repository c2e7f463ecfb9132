#include "counter.h"

#include <array>
#include <charconv>

namespace counter {

double valueOf(std::string_view caption) {
    const auto start = caption.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return 0;
    }
    caption.remove_prefix(start);
    double value = 0;
    const auto result = std::from_chars(caption.data(), caption.data() + caption.size(), value,
                                        std::chars_format::fixed);
    return result.ec == std::errc() ? value : 0;
}

std::string textOf(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string stepped(std::string_view caption, double delta) {
    return textOf(valueOf(caption) + delta);
}

}  // namespace counter
