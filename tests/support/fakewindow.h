#pragma once

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "drillview.h"
#include "layout.h"

// The main window's operations on plain values, with a record of what the drill asked.
class FakeWindow : public DrillView {
public:
    FakeWindow() {
        const auto startCaption = [](const layout::Setting& setting) {
            return std::to_string(setting.shown(setting.start));
        };
        captions = {{Caption::QuestionsLeft, "0"},
                    {Caption::Right, "00"},
                    {Caption::Wrong, "00"},
                    {Caption::Seconds, startCaption(layout::kSeconds)},
                    {Caption::Questions, startCaption(layout::kQuestions)}};
        colours.fill(kWhite);
    }

    bool loadKeyPicture(const std::string& file) override {
        const bool found = !missing.contains(file);
        picture = found ? file : "blank staff";
        return found;
    }
    // A message box: the user reads it while the event loop runs on (whileBoxOpen).
    void reportMissingFile(const std::string& file) override {
        reports.push_back(file);
        if (whileBoxOpen) {
            whileBoxOpen();
        }
    }
    void setChoiceText(int pos, const std::string& text) override {
        choices.at(index(pos)) = text;
        ++choiceWrites;
    }
    // Each question writes its four answers once.
    int questionsShown() const { return choiceWrites / 4; }
    void setChoiceColour(int pos, Rgb colour) override { colours.at(index(pos)) = colour; }
    bool arrowShown(int pos) const override { return pos >= 1 && pos <= 4 && arrows[index(pos)]; }
    void clearArrow(int pos) override { arrows.at(index(pos)) = false; }
    std::string caption(Caption which) const override { return captions.at(which); }
    void setCaption(Caption which, const std::string& text) override { captions[which] = text; }
    void setScrollBarsEnabled(bool enabled) override { scrollBarsEnabled = enabled; }
    void showIndicators(bool sharps, bool flats) override {
        sharpsLit = sharps;
        flatsLit = flats;
    }
    void showRestPicture(Clef clef) override {
        picture = "rest " + std::string(clefWord(clef));
    }
    bool loadArrow(int pos) override {
        if (missing.contains("arrow.gif")) {
            return false;
        }
        arrows.at(index(pos)) = true;
        return true;
    }

    int arrowCount() const { return arrows[1] + arrows[2] + arrows[3] + arrows[4]; }
    bool anyRed() const {
        for (int pos = 1; pos <= 4; ++pos) {
            if (colours[index(pos)] != kWhite) {
                return true;
            }
        }
        return false;
    }

    std::map<Caption, std::string> captions;
    std::array<std::string, 5> choices{};
    std::array<Rgb, 5> colours{};
    std::array<bool, 5> arrows{};
    std::set<std::string> missing;
    std::vector<std::string> reports;
    std::string picture = "blank staff";
    std::function<void()> whileBoxOpen;
    int choiceWrites = 0;
    bool scrollBarsEnabled = true;
    bool sharpsLit = true;
    bool flatsLit = true;

private:
    static size_t index(int pos) { return static_cast<size_t>(pos); }
};
