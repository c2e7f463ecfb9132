#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

#include "drill.h"
#include "drillevents.h"
#include "drillview.h"
#include "narrator.h"
#include "precisetimer.h"
#include "random.h"

class ClickLabel;
class QLabel;
class QScrollBar;
class WindowMenu;

// The main window: the picture, the four answers, the counters, the settings and the command
// buttons over one painted background. The drill's rules live in Drill; this class builds the
// controls, gives the drill its operations on them, and shows and tells what the drill reports.
//
// Members are named for their role (goButton_, questionsLeft_). The names the window's design
// gives its controls ("lgo", "lleft", "choice(1)") are their object names, by which tests,
// tools and assistive technology find them, and name the event procedures (lgo_Click).
class Form1 : public QWidget, public DrillView, public DrillEvents {
    Q_OBJECT
public:
    // The language ("de"; empty for English) picks the painted words; the captions come from
    // the installed translation.
    explicit Form1(RandomSource& random, const QString& language = {}, QWidget* parent = nullptr);

    const QuizState& state() const { return drill_.state(); }

    // Hears every event of the drill after the window and its narrator have.
    void listen(DrillEvents& listener) { listeners_.push_back(&listener); }
    // The drill practises the keys missed, by these weights, or not when none.
    void practise(const KeyWeights* weights) { drill_.practise(weights); }

    // The choices of the window's menu, also made from the command line.
    void chooseClef(Clef clef);
    void chooseMode(KeyMode mode);
    WindowMenu& menu() { return *menu_; }

    // What a learner may want remembered, read from the window; and put back, before a quiz.
    DrillSettings settings() const { return drill_.settings(); }
    void restore(const DrillSettings& settings);

    // DrillView
    bool loadKeyPicture(const std::string& file) override;
    void reportMissingFile(const std::string& file) override;
    void setChoiceText(int pos, const std::string& text) override;
    void setChoiceColour(int pos, Rgb colour) override;
    bool arrowShown(int pos) const override;
    void clearArrow(int pos) override;
    std::string caption(Caption which) const override;
    void setCaption(Caption which, const std::string& text) override;
    void setScrollBarsEnabled(bool enabled) override;
    void showIndicators(bool sharps, bool flats) override;
    bool loadArrow(int pos) override;
    void showRestPicture(Clef clef) override;

    // DrillEvents: each is shown on the controls' descriptions and passed to the narrator.
    void quizStarted(const QuizStart& start) override;
    void questionShown(const Question& question) override;
    void answerChosen(int pos) override;
    void graded(const Grading& grading) override;
    void countersShown(const Counters& counters) override;
    void pauseEnded() override;
    void commandActed(DrillCommand command) override;
    void keyKindShown(keytable::KeyKind kind) override;
    void quizEnded(const Counters& counters) override;
    void turnEnded() override;

signals:
    // The logo was clicked: the About window is wanted.
    void aboutRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectControls();
    void createMenu();
    void openMenu(QPoint where);
    void bindKeys();
    void describeControls();
    void describeAnswer(int pos);
    void describeCaption(Caption which);
    void describePicture(int key);
    void tell(const QString& phrase);
    template <typename... Event, typename... Args>
    void forward(void (DrillEvents::*happened)(Event...), const Args&... args) {
        for (DrillEvents* listener : listeners_) {
            (listener->*happened)(args...);
        }
    }
    QLabel* captionLabel(Caption which) const;

    // The window's event procedures.
    void choice_Click(int index);
    void IntScroll_Change(int value);
    void questscroll_Change(int value);
    void lselect_Click();
    void lgo_Click();
    void lstop_Click();
    void lrestart_Click();
    void Label3_Click();

    QPixmap background_;
    QPixmap restStaff_;  // the staff of the clef chosen, without a signature
    QPixmap lamp_;

    Narrator narrator_;
    std::vector<DrillEvents*> listeners_{&narrator_};
    int correctShown_ = 0;  // the answer shown as the correct one after a wrong grading
    PreciseTimer::Factory timers_;
    Drill drill_;

    QScrollBar* questionsBar_ = nullptr;
    QScrollBar* secondsBar_ = nullptr;
    QLabel* picture_ = nullptr;
    ClickLabel* logo_ = nullptr;
    QLabel* questionsWord_ = nullptr;
    QLabel* secondsWord_ = nullptr;
    QLabel* wrongCount_ = nullptr;
    QLabel* rightCount_ = nullptr;
    QLabel* questionsLeft_ = nullptr;
    ClickLabel* restartButton_ = nullptr;
    ClickLabel* kindButton_ = nullptr;
    QLabel* flatsLamp_ = nullptr;
    QLabel* sharpsLamp_ = nullptr;
    ClickLabel* stopButton_ = nullptr;
    ClickLabel* goButton_ = nullptr;
    QLabel* questionsSetting_ = nullptr;
    QLabel* secondsSetting_ = nullptr;
    WindowMenu* menu_ = nullptr;
    std::array<QLabel*, 5> arrows_{};       // elements 1 to 4
    std::array<ClickLabel*, 5> answers_{};  // elements 1 to 4
};
