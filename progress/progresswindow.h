#pragma once

#include <QWidget>
#include <functional>

#include "progressdata.h"

class KeyCircle;
class ProgressLegend;
class ProgressTable;
class QLabel;
class QRadioButton;
class QuizChart;

// "My progress": for the current clef and mode, how each key has gone, on the circle of fifths
// and in a table that a screen reader reads, and the scores of the last quizzes. There is only
// ever one; like the About window it has no owner and keeps the main window working.
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    // Gives the figures over the answers of the scope asked for.
    using Source = std::function<ProgressData(ProgressScope)>;

    // Opens the window, or brings it to the front, showing what the source gives. Without a
    // kept record only this run's answers can be shown.
    static ProgressWindow* open(Source source, bool wholeRecordKept);
    // The open window, or null.
    static ProgressWindow* instance();

    // Asks the source again, after an answer has been graded.
    void refresh();
    // Whether the whole record may be chosen; when it no longer may, the window turns to this
    // run's answers.
    void setWholeRecordKept(bool kept);
    ProgressScope scope() const;

private:
    ProgressWindow();
    void layOut(QLabel* chartCaption, QWidget* buttons);
    void showData(const ProgressData& shown);

    Source source_;
    QLabel* heading_ = nullptr;
    QRadioButton* thisRun_ = nullptr;
    QRadioButton* wholeRecord_ = nullptr;
    KeyCircle* circle_ = nullptr;
    ProgressLegend* legend_ = nullptr;
    ProgressTable* table_ = nullptr;
    QuizChart* chart_ = nullptr;
};
