#pragma once

#include <string>
#include <string_view>

// The counters and settings have no store but the text of their labels: a change reads the
// text as a number and writes the result back as the shortest decimal text.
namespace counter {

// The leading decimal number of a caption; 0 when there is none ("" and "00" both read 0).
double valueOf(std::string_view caption);

// The shortest text that reads back as the same number: 10 gives "10", never "10.0".
std::string textOf(double value);

// Reads a caption, adds delta and returns the new caption.
std::string stepped(std::string_view caption, double delta);

}  // namespace counter
