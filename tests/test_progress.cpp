// The progress window: its table's figures, the choice of answers it shows, the marks that tell
// the bands apart without colour, one window at a time, and every text within its place.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include "fonts.h"
#include "keycircle.h"
#include "keytable.h"
#include "marks.h"
#include "progresstable.h"
#include "progresstext.h"
#include "progresswindow.h"
#include "translation.h"

namespace {

// Figures for a few keys, given as {key, asked, right, average ms or -1}; the rest not asked.
struct Figures {
    int key, asked, right, ms;
};

ProgressData dataWith(std::initializer_list<Figures> figures, KeyMode mode = KeyMode::Major) {
    ProgressData data;
    data.mode = mode;
    data.slowMs = 4000;
    for (int key = 1; key <= keytable::kKeyCount; ++key) {
        data.keys[size_t(key - 1)].key = key;
    }
    for (const Figures& f : figures) {
        auto& key = data.keys[size_t(f.key - 1)];
        key.asked = f.asked;
        key.right = f.right;
        key.averageMs = f.ms < 0 ? std::nullopt : std::optional(f.ms);
    }
    return data;
}

// Which pixels around the centre of a key's badge are ink, leaving out the disc and its rim:
// there only a mark and its white ground are drawn. The same number of pixels wherever the
// badge falls.
QList<bool> inkOfBadge(const QImage& circle, int key, QPointF offset) {
    const int half = int(KeyCircle::kBadgeRadius * 0.6);
    const QPointF disc = KeyCircle::centreOf(key);
    const QPoint centre = (disc + offset).toPoint();
    QList<bool> ink;
    for (int y = centre.y() - half; y <= centre.y() + half; ++y) {
        for (int x = centre.x() - half; x <= centre.x() + half; ++x) {
            const bool onDisc =
                QLineF(disc, QPointF(x + 0.5, y + 0.5)).length() < KeyCircle::kDiscRadius + 2.5;
            ink << (!onDisc && qGray(circle.pixel(x, y)) < 128);
        }
    }
    return ink;
}

int differing(const QList<bool>& a, const QList<bool>& b) {
    int count = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        count += a[i] != b[i];
    }
    return count;
}

bool fits(const QString& text, const QFont& font, int width) {
    return QFontMetrics(font).horizontalAdvance(text) <= width;
}

}  // namespace

class ProgressTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void theTableGivesEachKeysFigures_data();
    void theTableGivesEachKeysFigures();
    void theScopeChosenIsTheScopeAsked();
    void withoutAKeptRecordOnlyThisRunCanBeChosen();
    void eachShareFallsInOneBand_data();
    void eachShareFallsInOneBand();
    void bandsDifferByTheirMarksInGreyToo();
    void thereIsOnlyEverOneWindow();
    void escapeClosesItAndTabGoesThroughItsControls();
    void nonsenseFiguresAreDrawnWithoutHarm();
    void theChartSaysWhatItShows_data();
    void theChartSaysWhatItShows();
    void everyTextFitsItsPlace_data();
    void everyTextFitsItsPlace();

private:
    ProgressWindow* openWith(ProgressData data, bool kept = true) {
        return ProgressWindow::open([data](ProgressScope) { return data; }, kept);
    }
    ProgressTable* table() { return ProgressWindow::instance()->findChild<ProgressTable*>(); }
};

void ProgressTest::cleanup() {
    delete ProgressWindow::instance();
    QLocale::setDefault(QLocale::c());
}

void ProgressTest::theTableGivesEachKeysFigures_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("ms");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("seconds to one decimal")
        << "" << 1 << 1849 << QStringList{"G", "9", "7", "1.8 s"};
    QTest::newRow("rounded up") << "" << 10 << 2950 << QStringList{"E Flat", "9", "7", "3.0 s"};
    QTest::newRow("no time") << "" << 14 << -1 << QStringList{"C Flat", "9", "7", "\u2014"};
    QTest::newRow("German") << "de" << 5 << 12345 << QStringList{"H", "9", "7", "12,3\u00a0s"};
    QTest::newRow("Russian") << "ru" << 9 << 800
                             << QStringList{"Си-бемоль", "9", "7", "0,8\u00a0с"};
}

void ProgressTest::theTableGivesEachKeysFigures() {
    QFETCH(QString, language);
    QFETCH(int, key);
    QFETCH(int, ms);
    QFETCH(QStringList, row);
    const Translation translation({language.isEmpty() ? "en" : language});
    QLocale::setDefault(QLocale(language.isEmpty() ? "en" : language));
    openWith(dataWith({{key, 9, 7, ms}}));
    QStringList shown;
    for (int column = 0; column < table()->columnCount(); ++column) {
        shown << table()->item(key - 1, column)->text();
    }
    QCOMPARE(shown, row);
    // The keys not asked read as none asked, none right, and no time.
    const int other = key == 1 ? 2 : 1;
    QCOMPARE(table()->item(other - 1, ProgressTable::AskedColumn)->text(), "0");
    QCOMPARE(table()->item(other - 1, ProgressTable::TimeColumn)->text(), "\u2014");
    QVERIFY(table()->editTriggers() == QAbstractItemView::NoEditTriggers);
    QVERIFY(!table()->accessibleName().isEmpty());
}

void ProgressTest::theScopeChosenIsTheScopeAsked() {
    QList<ProgressScope> asked;
    ProgressWindow* window = ProgressWindow::open(
        [&asked](ProgressScope scope) {
            asked << scope;
            return dataWith({{3, scope == ProgressScope::WholeRecord ? 40 : 4, 2, -1}});
        },
        true);
    QCOMPARE(asked, QList{ProgressScope::ThisRun});
    auto* whole = window->findChild<QRadioButton*>("wholeRecord");
    QTest::mouseClick(whole, Qt::LeftButton);
    QCOMPARE(asked.last(), ProgressScope::WholeRecord);
    QCOMPARE(table()->item(2, ProgressTable::AskedColumn)->text(), "40");
    window->refresh();
    QCOMPARE(asked, QList({ProgressScope::ThisRun, ProgressScope::WholeRecord,
                           ProgressScope::WholeRecord}));
    QTest::mouseClick(window->findChild<QRadioButton*>("thisRun"), Qt::LeftButton);
    QCOMPARE(asked.size(), 4);
    QCOMPARE(asked.last(), ProgressScope::ThisRun);
    QCOMPARE(table()->item(2, ProgressTable::AskedColumn)->text(), "4");
}

void ProgressTest::withoutAKeptRecordOnlyThisRunCanBeChosen() {
    ProgressWindow* window = openWith(dataWith({}), true);
    auto* whole = window->findChild<QRadioButton*>("wholeRecord");
    whole->click();
    QCOMPARE(window->scope(), ProgressScope::WholeRecord);
    QVERIFY(whole->toolTip().isEmpty());

    // The record is no longer kept when the window is opened again.
    QList<ProgressScope> asked;
    ProgressWindow::open(
        [&asked](ProgressScope scope) {
            asked << scope;
            return dataWith({});
        },
        false);
    QCOMPARE(asked, QList{ProgressScope::ThisRun});
    QVERIFY(!whole->isEnabled());
    QVERIFY(!whole->toolTip().isEmpty());
    QTest::mouseClick(whole, Qt::LeftButton);
    QCOMPARE(window->scope(), ProgressScope::ThisRun);
    QCOMPARE(asked.size(), 1);
    // Kept again while the window is open.
    window->setWholeRecordKept(true);
    whole->click();
    QCOMPARE(asked.last(), ProgressScope::WholeRecord);
    window->setWholeRecordKept(false);
    QCOMPARE(asked.last(), ProgressScope::ThisRun);
}

void ProgressTest::eachShareFallsInOneBand_data() {
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("mark");  // -1 for none
    const auto row = [](const char* name, int asked, int right, Band band, int mark) {
        QTest::newRow(name) << asked << right << int(band) << mark;
    };
    row("never asked", 0, 0, Band::NotAsked, -1);
    row("all right", 12, 12, Band::Mastered, int(Mark::Tick));
    row("four in five", 5, 4, Band::Mastered, int(Mark::Tick));
    row("just under four in five", 100, 79, Band::Middling, int(Mark::Dash));
    row("half", 2, 1, Band::Middling, int(Mark::Dash));
    row("just under half", 100, 49, Band::Missed, int(Mark::Cross));
    row("none right", 3, 0, Band::Missed, int(Mark::Cross));
    row("more right than asked", 3, 7, Band::Mastered, int(Mark::Tick));
    row("asked a negative number of times", -2, 0, Band::NotAsked, -1);
}

void ProgressTest::eachShareFallsInOneBand() {
    QFETCH(int, asked);
    QFETCH(int, right);
    QFETCH(int, band);
    QFETCH(int, mark);
    const KeyProgress key{1, asked, right, std::nullopt};
    QCOMPARE(int(bandOf(key)), band);
    const std::optional<Mark> drawn = markOf(bandOf(key));
    QCOMPARE(drawn ? int(*drawn) : -1, mark);
}

// Three keys of different bands, two of them slow: in grey, each band's mark differs from the
// others', and only the slow keys carry the clock; an average of just the limit is not slow.
void ProgressTest::bandsDifferByTheirMarksInGreyToo() {
    ProgressWindow* window =
        openWith(dataWith({{1, 10, 10, 4000}, {2, 10, 6, 4001}, {3, 10, 2, 9000}}));
    const QImage circle = window->findChild<KeyCircle*>()->grab().toImage();
    const QList<bool> tick = inkOfBadge(circle, 1, KeyCircle::markOffset());
    const QList<bool> dash = inkOfBadge(circle, 2, KeyCircle::markOffset());
    const QList<bool> cross = inkOfBadge(circle, 3, KeyCircle::markOffset());
    const QList<bool> none(tick.size(), false);
    for (const auto& [a, b] : {std::pair(tick, dash), std::pair(dash, cross),
                               std::pair(tick, cross), std::pair(none, dash)}) {
        QVERIFY2(differing(a, b) > 4, qPrintable(QString::number(differing(a, b))));
    }
    for (int slow : {2, 3}) {
        QVERIFY(differing(inkOfBadge(circle, slow, KeyCircle::slowOffset()), none) > 4);
    }
    QCOMPARE(inkOfBadge(circle, 1, KeyCircle::slowOffset()), none);
    // A key not asked carries no mark.
    QCOMPARE(inkOfBadge(circle, 4, KeyCircle::markOffset()), none);
}

void ProgressTest::thereIsOnlyEverOneWindow() {
    ProgressWindow* first = openWith(dataWith({{1, 1, 1, -1}}));
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);
    QCOMPARE(openWith(dataWith({{1, 5, 1, -1}})), first);
    QTRY_COMPARE(QApplication::activeWindow(), first);
    QCOMPARE(table()->item(0, ProgressTable::AskedColumn)->text(), "5");
    int windows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        windows += qobject_cast<ProgressWindow*>(widget) != nullptr;
    }
    QCOMPARE(windows, 1);
    QVERIFY(first->parentWidget() == nullptr);
}

void ProgressTest::escapeClosesItAndTabGoesThroughItsControls() {
    ProgressWindow* window = openWith(dataWith({}));
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget* start = window->findChild<QRadioButton*>("thisRun");
    start->setFocus();
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        order << QApplication::focusWidget()->metaObject()->className();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"QRadioButton", "ProgressTable", "QuizChart", "QPushButton",
                                 "QRadioButton"}));
    QTest::keyClick(window->findChild<ProgressTable*>(), Qt::Key_Escape);
    QTRY_VERIFY(!ProgressWindow::instance());
}

void ProgressTest::nonsenseFiguresAreDrawnWithoutHarm() {
    ProgressData data = dataWith({{1, -5, 3, -7}, {2, 3, 9, 0}, {3, 99999, -1, INT_MAX}});
    data.slowMs = -1;
    for (int quiz = 0; quiz < 60; ++quiz) {
        data.quizzes.push_back({QDateTime(), quiz % 3 - 1, quiz});
    }
    ProgressWindow* window = openWith(data);
    QVERIFY(!window->grab().isNull());
    QCOMPARE(table()->item(2, ProgressTable::AskedColumn)->text(), "99999");
}

void ProgressTest::theChartSaysWhatItShows_data() {
    QTest::addColumn<QList<int>>("scores");
    QTest::addColumn<QString>("description");
    QTest::newRow("none") << QList<int>{} << "No quiz finished yet";
    QTest::newRow("one") << QList<int>{85} << "One quiz: 85% right";
    QTest::newRow("three") << QList<int>{40, 90, 85}
                           << "Last 3 quizzes: lowest 40%, highest 90%, latest 85%";
}

void ProgressTest::theChartSaysWhatItShows() {
    QFETCH(QList<int>, scores);
    QFETCH(QString, description);
    const Translation english({"en"});
    ProgressData data = dataWith({});
    for (int score : scores) {
        data.quizzes.push_back({QDateTime::currentDateTime(), 20, score / 5});
    }
    auto* chart = openWith(data)->findChild<QWidget*>("QuizChart");
    QCOMPARE(chart->accessibleDescription(), description);
}

void ProgressTest::everyTextFitsItsPlace_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    for (const QString& language : Translation::available()) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void ProgressTest::everyTextFitsItsPlace() {
    QFETCH(QString, language);
    const Translation translation({language});
    QLocale::setDefault(QLocale(language));
    for (KeyMode mode : {KeyMode::Major, KeyMode::Minor}) {
        QStringList names{progresstext::referenceName(mode)};
        for (int key = 1; key <= keytable::kKeyCount; ++key) {
            names << progresstext::keyName(key, mode);
        }
        for (const QString& name : names) {
            const QFont font = KeyCircle::fitName(name).font;
            QVERIFY2(font.stretch() == QFont::AnyStretch || font.stretch() >= QFont::Condensed,
                     qPrintable(name));
        }
        ProgressData data = dataWith({{6, 9999, 9999, 99000}}, mode);
        data.clef = Clef::Tenor;
        ProgressWindow* window = openWith(data, false);
        window->adjustSize();
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            QVERIFY2(fits(label->text(), label->font(), label->contentsRect().width()),
                     qPrintable(label->text()));
        }
        for (const QRadioButton* button : window->findChildren<QRadioButton*>()) {
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        }
        ProgressTable* cells = table();
        for (int column = 0; column < cells->columnCount(); ++column) {
            const int room = cells->columnWidth(column) - 6;
            QVERIFY(fits(cells->horizontalHeaderItem(column)->text(), cells->font(), room));
            for (int row = 0; row < cells->rowCount(); ++row) {
                QVERIFY2(fits(cells->item(row, column)->text(), cells->font(), room),
                         qPrintable(cells->item(row, column)->text()));
            }
        }
        // Everything shows on a small laptop's screen.
        QVERIFY2(window->width() <= 1000 && window->height() <= 680,
                 qPrintable(QString("%1 x %2").arg(window->width()).arg(window->height())));
        QVERIFY(window->windowTitle() != "My progress" || language == "en");
    }
}

int main(int argc, char** argv) {
    fonts::installSubstitutions();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ProgressTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_progress.moc"
