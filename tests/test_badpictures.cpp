// The main window headless with bad files in the places of "5.gif" and "arrow.gif": each one
// brings up the box titled with the file's name, the counters stay as they were and the drill
// goes on; a picture changed between two questions shows as it is now.
#include <sys/stat.h>

#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "form1.h"
#include "scriptedrandom.h"
#include "support/messagebox.h"
#include "support/widgettest.h"

namespace {

const QString kBadFiles = QStringLiteral(SOURCE_DIR "/tests/badfiles");
const QString kAssets = QStringLiteral(SOURCE_DIR "/assets");
const QString kNotFound = QStringLiteral("A File That Is Needed Was Not Found!");

// Puts something that is not a good picture under the given name in the working directory.
bool putInPlace(const QString& kind, const QString& name) {
    QFile::remove(name);
    const QByteArray local = QFile::encodeName(name);
    if (kind == "missing") {
        return true;
    }
    if (kind == "named pipe") {
        return ::mkfifo(local.constData(), 0600) == 0;
    }
    return QFile::copy(QDir(kBadFiles).filePath(kind), name);
}

// A few kinds of bad file, one of each way the window meets them: nothing there, something that
// is no file and could block a read, a text, a picture cut short, one over the size cap. Every
// kind of bad file is held to its outcome in the loader's own test.
void addBadKindRows() {
    QTest::addColumn<QString>("kind");
    for (const char* kind :
         {"missing", "named pipe", "text.gif", "truncated.gif", "huge-png-named.gif"}) {
        QTest::newRow(kind) << QString(kind);
    }
}

}  // namespace

class BadPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void aBadKeyPicture_data() { addBadKindRows(); }
    void aBadKeyPicture();
    void aBadArrow_data() { addBadKindRows(); }
    void aBadArrow();
    void aPictureChangedBetweenQuestionsShowsAsItIsNow();

private:
    QLabel* label(const char* name) { return form->findChild<QLabel*>(name); }
    void click(const char* name) { QTest::mouseClick(label(name), Qt::LeftButton); }
    QStringList counters() {
        return {label("lleft")->text(), label("aright")->text(), label("awrong")->text()};
    }
    QStringList answers();
    QImage shownPicture() { return label("Picture1")->pixmap().toImage(); }
    bool showsBlankStaff();

    std::unique_ptr<QTemporaryDir> pictures;
    ScriptedRandom random;
    std::unique_ptr<Form1> form;
};

void BadPicturesTest::init() {
    pictures = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(pictures->path());
    for (const QString& name : QDir(kAssets).entryList({"*.gif"})) {
        QVERIFY(QFile::copy(QDir(kAssets).filePath(name), name));
    }
    form = std::make_unique<Form1>(random);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void BadPicturesTest::cleanup() {
    form.reset();
    QDir::setCurrent(QDir::tempPath());
    pictures.reset();
}

QStringList BadPicturesTest::answers() {
    QStringList names;
    for (int pos = 1; pos <= 4; ++pos) {
        names << label(qPrintable(QString("choice(%1)").arg(pos)))->text();
    }
    return names;
}

bool BadPicturesTest::showsBlankStaff() {
    const QImage shown = shownPicture();
    return shown == QImage(":/pictures/blankstaff.gif").convertToFormat(shown.format());
}

void BadPicturesTest::aBadKeyPicture() {
    QFETCH(QString, kind);
    QVERIFY(putInPlace(kind, "5.gif"));
    random.script({ScriptedRandom::drawFor(5, 14, 1)});
    SeenBox seen;
    closeNextMessageBox(&seen, form.get());
    click("lgo");
    QCOMPARE(seen.title, QString("5.gif"));
    QCOMPARE(seen.text, kNotFound);
    QCOMPARE(seen.counters, QStringList({"16", "0", "0"}));
    QCOMPARE(counters(), QStringList({"16", "0", "0"}));
    QVERIFY(showsBlankStaff());
    QCOMPARE(form->state().keyNum, 5);
    QStringList names = answers();
    QVERIFY(names.contains("B"));
    QCOMPARE(names.removeDuplicates(), 0);
    QVERIFY(form->state().running);
}

void BadPicturesTest::aBadArrow() {
    QFETCH(QString, kind);
    click("lgo");
    QVERIFY(putInPlace(kind, "arrow.gif"));
    SeenBox seen;
    closeNextMessageBox(&seen, form.get());
    click("choice(2)");
    QCOMPARE(seen.title, QString("arrow.gif"));
    QCOMPARE(seen.text, kNotFound);
    QCOMPARE(seen.counters, QStringList({"16", "0", "0"}));
    QCOMPARE(counters(), QStringList({"16", "0", "0"}));
    for (int pos = 1; pos <= 4; ++pos) {
        QVERIFY(!form->arrowShown(pos));
    }
    QVERIFY(form->state().running);

    // Put right, the arrow is read afresh on the next click.
    QVERIFY(putInPlace("missing", "arrow.gif"));
    QVERIFY(QFile::copy(QDir(kAssets).filePath("arrow.gif"), "arrow.gif"));
    click("choice(2)");
    QVERIFY(form->arrowShown(2));
}

void BadPicturesTest::aPictureChangedBetweenQuestionsShowsAsItIsNow() {
    auto expect = [this](const QString& file) {
        const QImage shown = shownPicture();
        return shown == QImage(QDir(kAssets).filePath(file)).convertToFormat(shown.format());
    };
    QVERIFY(form->loadKeyPicture("5.gif"));
    QVERIFY(expect("5.gif"));

    QVERIFY(QFile::remove("5.gif"));
    QVERIFY(QFile::copy(QDir(kAssets).filePath("6.gif"), "5.gif"));
    QVERIFY(form->loadKeyPicture("5.gif"));
    QVERIFY(expect("6.gif"));

    QVERIFY(putInPlace("truncated.gif", "5.gif"));
    QVERIFY(!form->loadKeyPicture("5.gif"));
    QVERIFY(showsBlankStaff());

    QVERIFY(putInPlace("missing", "5.gif"));
    QVERIFY(!form->loadKeyPicture("5.gif"));
    QVERIFY(QFile::copy(QDir(kAssets).filePath("5.gif"), "5.gif"));
    QVERIFY(form->loadKeyPicture("5.gif"));
    QVERIFY(expect("5.gif"));
}

int main(int argc, char** argv) {
    return runWidgetTest<BadPicturesTest>(argc, argv);
}

#include "test_badpictures.moc"
