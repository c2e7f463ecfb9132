#pragma once

#include <cstdint>
#include <string>

// Colours as 24-bit RGB values with red in the low byte.
using Rgb = std::uint32_t;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kRed = 0x0000FF;
constexpr Rgb kBlack = 0x000000;

// The labels whose captions are the store of a count or a setting.
enum class Caption { QuestionsLeft, Right, Wrong, Seconds, Questions };

// What the quiz engine needs of the main window. Answer positions run from 1 to 4.
class QuizView {
public:
    virtual ~QuizView() = default;

    // Shows a picture file in the picture box; false (and the blank staff) when it cannot.
    virtual bool loadKeyPicture(const std::string& file) = 0;
    // Tells the user that a file is missing; returns when the user has read it.
    virtual void reportMissingFile(const std::string& file) = 0;

    virtual void setChoiceText(int pos, const std::string& text) = 0;
    virtual void setChoiceColour(int pos, Rgb colour) = 0;

    virtual bool arrowShown(int pos) const = 0;
    virtual void clearArrow(int pos) = 0;

    virtual std::string caption(Caption which) const = 0;
    virtual void setCaption(Caption which, const std::string& text) = 0;
};
