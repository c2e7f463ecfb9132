#include "form1.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>

#include "clicklabel.h"
#include "fonts.h"
#include "layout.h"
#include "picturefile.h"
#include "windowmenu.h"

namespace {

const char* const kAutoSize = "autoSize";
const char* const kRoom = "room";

// Names the control and puts it where the layout table has it, in its own font if it has one.
template <typename Widget>
Widget* placed(Widget* widget, std::string_view name) {
    const layout::Control& control = layout::control(name);
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(control.rect);
    if (control.font.arialBoldPixels > 0) {
        widget->setFont(fonts::arialBold(control.font.arialBoldPixels));
    }
    return widget;
}

template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, std::string_view name, const QString& text = {}) {
    auto* label = placed(new Label(parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
    label->setPalette(palette);
    return label;
}

QLabel* makeSettingNumber(QWidget* parent, const layout::Setting& setting) {
    return makeLabel(parent, setting.number, QString::number(setting.shown(setting.start)));
}

QLabel* makeImage(QWidget* parent, std::string_view name) {
    auto* image = placed(new QLabel(parent), name);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

QScrollBar* makeScrollBar(QWidget* parent, const layout::Setting& setting) {
    auto* bar = placed(new QScrollBar(Qt::Vertical, parent), setting.bar);
    bar->setRange(setting.minimum, setting.maximum);
    bar->setValue(setting.start);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setContextMenuPolicy(Qt::NoContextMenu);
    return bar;
}

void sizeToText(QLabel* label) {
    label->setProperty(kAutoSize, true);
}

// The width a caption may take before it would meet the next control.
void limitToRoom(QLabel* label, int room) {
    label->setProperty(kRoom, room);
}

void fitToRoom(QLabel* label) {
    const QVariant room = label->property(kRoom);
    if (room.isValid()) {
        label->setFont(fonts::narrowedToFit(label->font(), label->text(), room.toInt()));
    }
}

// Reads one of the window's own pictures by its known format: guessing the format from the
// content would load every image plugin at start-up. A GIF goes to the reader of the key
// pictures, which takes a fraction of the time of Qt's plugin and needs no plugin loaded.
QPixmap resourcePicture(const QString& name) {
    const QString suffix = QFileInfo(name).suffix();
    if (suffix == "gif") {
        QFile file(":/pictures/" + name);
        file.open(QIODevice::ReadOnly);
        return QPixmap::fromImage(decodeGif(file.readAll()).value_or(QImage()));
    }
    QImageReader reader(":/pictures/" + name, suffix.toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The window's own pictures come drawn at twice the size for screens that scale by more than
// one, so that they are sharp there rather than enlarged.
QPixmap ownPicture(const QString& name) {
    if (qGuiApp->devicePixelRatio() > 1) {
        QString doubled = name;
        doubled.insert(name.lastIndexOf('.'), "@2x");
        QPixmap picture = resourcePicture(doubled);
        picture.setDevicePixelRatio(2);
        return picture;
    }
    return resourcePicture(name);
}

// The backdrop with the painted words in the window's language, where there is one.
QString backgroundFor(const QString& language) {
    const QString translated = QString("background-%1.gif").arg(language);
    return !language.isEmpty() && QFile::exists(":/pictures/" + translated) ? translated
                                                                            : "background.gif";
}

QColor toQColor(Rgb colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace

Form1::Form1(RandomSource& random, const QString& language, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      narrator_([this](const QString& phrase) { tell(phrase); }),
      drill_(*this, *this, timers_, random) {
    // The pictures live in a static library.
    Q_INIT_RESOURCE(startpictures);
    Q_INIT_RESOURCE(mainwindow);
    setObjectName("Form1");
    background_ = ownPicture(backgroundFor(language));
    restStaff_ = ownPicture("blankstaff.gif");
    lamp_ = ownPicture("lamp.bmp");
    setWindowTitle("Duridaz");
    QIcon icon;
    for (const char* size : {"16", "32", "64"}) {
        icon.addPixmap(resourcePicture(QString("icon-%1.png").arg(size)));
    }
    setWindowIcon(icon);
    setFixedSize(layout::kWindowSize);
    setFont(fonts::dialogDefault());
    createControls();
    describeControls();
    connectControls();
    createMenu();
    bindKeys();
}

void Form1::createControls() {
    questionsBar_ = makeScrollBar(this, layout::kQuestions);
    secondsBar_ = makeScrollBar(this, layout::kSeconds);

    picture_ = makeImage(this, "Picture1");
    picture_->setPixmap(restStaff_);
    picture_->setAutoFillBackground(true);
    QPalette white = picture_->palette();
    white.setColor(QPalette::Window, Qt::white);
    picture_->setPalette(white);
    picture_->setFocusPolicy(Qt::StrongFocus);

    logo_ = makeLabel<ClickLabel>(this, "Label3", "? ");
    logo_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    logo_->setToolTip(tr("About "));

    arrows_[2] = makeImage(this, "ainput(2)");
    questionsWord_ = makeLabel(this, "Label2", tr("questions"));
    secondsWord_ = makeLabel(this, "Label1", tr("speed"));
    wrongCount_ = makeLabel(this, "awrong", "00");
    rightCount_ = makeLabel(this, "aright", "00");
    questionsLeft_ = makeLabel(this, "lleft", "0");
    for (QLabel* counter : {wrongCount_, rightCount_}) {
        counter->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    questionsLeft_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    restartButton_ = makeLabel<ClickLabel>(this, "lrestart");
    kindButton_ = makeLabel<ClickLabel>(this, "lselect");
    flatsLamp_ = makeImage(this, "Iflats");
    sharpsLamp_ = makeImage(this, "Isharps");
    flatsLamp_->setPixmap(lamp_);
    sharpsLamp_->setPixmap(lamp_);
    stopButton_ = makeLabel<ClickLabel>(this, "lstop");
    goButton_ = makeLabel<ClickLabel>(this, "lgo");

    questionsSetting_ = makeSettingNumber(this, layout::kQuestions);
    questionsSetting_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    secondsSetting_ = makeSettingNumber(this, layout::kSeconds);
    secondsSetting_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    for (QLabel* label : {questionsWord_, secondsWord_, wrongCount_, rightCount_, questionsLeft_,
                          secondsSetting_}) {
        sizeToText(label);
    }
    // A blank column keeps a number or word clear of the bar beside it.
    limitToRoom(secondsWord_, secondsWord_->width());
    limitToRoom(questionsWord_, questionsBar_->x() - questionsWord_->x() - 1);
    limitToRoom(secondsSetting_, secondsBar_->x() - secondsSetting_->x() - 1);
    for (QLabel* label : {secondsWord_, questionsWord_, secondsSetting_}) {
        fitToRoom(label);
    }

    arrows_[4] = makeImage(this, "ainput(4)");
    arrows_[3] = makeImage(this, "ainput(3)");
    arrows_[1] = makeImage(this, "ainput(1)");
    for (int pos = 4; pos >= 1; --pos) {
        const std::string name = "choice(" + std::to_string(pos) + ")";
        auto* label = makeLabel<ClickLabel>(this, name);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        limitToRoom(label, label->width());
        answers_[static_cast<size_t>(pos)] = label;
        setChoiceColour(pos, kWhite);
    }

    // The bars take every click on every pixel, whatever a caption beside them does.
    secondsBar_->raise();
    questionsBar_->raise();
    setTabOrder(picture_, secondsBar_);
    setTabOrder(secondsBar_, questionsBar_);
    picture_->setFocus();
}

void Form1::connectControls() {
    for (int pos = 1; pos <= 4; ++pos) {
        connect(answers_[static_cast<size_t>(pos)], &ClickLabel::clicked, this,
                [this, pos] { choice_Click(pos); });
    }
    connect(secondsBar_, &QScrollBar::valueChanged, this, &Form1::IntScroll_Change);
    connect(questionsBar_, &QScrollBar::valueChanged, this, &Form1::questscroll_Change);
    connect(kindButton_, &ClickLabel::clicked, this, &Form1::lselect_Click);
    connect(goButton_, &ClickLabel::clicked, this, &Form1::lgo_Click);
    connect(stopButton_, &ClickLabel::clicked, this, &Form1::lstop_Click);
    connect(restartButton_, &ClickLabel::clicked, this, &Form1::lrestart_Click);
    connect(logo_, &ClickLabel::clicked, this, &Form1::Label3_Click);
}

void Form1::choice_Click(int index) {
    drill_.choose(index);
}

void Form1::IntScroll_Change(int value) {
    drill_.setSeconds(layout::kSeconds.shown(value));
}

void Form1::questscroll_Change(int value) {
    drill_.setQuestions(layout::kQuestions.shown(value));
}

void Form1::lselect_Click() {
    drill_.selectKind();
}

void Form1::lgo_Click() {
    drill_.go();
}

void Form1::lstop_Click() {
    drill_.stop();
}

void Form1::lrestart_Click() {
    drill_.restart();
}

void Form1::Label3_Click() {
    emit aboutRequested();
}

// The menu opens from anywhere in the window: a right-click on any control or on the
// backdrop, the Menu key, or Shift+F10, as in desktop programs without a menu bar.
void Form1::createMenu() {
    menu_ = new WindowMenu(this);
    connect(menu_, &WindowMenu::clefChosen, this, &Form1::chooseClef);
    connect(menu_, &WindowMenu::modeChosen, this, &Form1::chooseMode);
    connect(menu_, &WindowMenu::aboutChosen, this, &Form1::aboutRequested);
    addAction(menu_->progressAction());  // its key works with the menu closed
    for (QKeyCombination keys : {QKeyCombination(Qt::Key_Menu), Qt::ShiftModifier | Qt::Key_F10}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this] { openMenu(mapToGlobal(picture_->geometry().center())); });
    }
}

void Form1::openMenu(QPoint where) {
    const QuizState& state = drill_.state();
    menu_->open(where, state.clef, state.mode, state.running);
}

void Form1::contextMenuEvent(QContextMenuEvent* event) {
    openMenu(event->globalPos());
}

void Form1::restore(const DrillSettings& settings) {
    for (const auto& [setting, number] : {std::pair{layout::kSeconds, settings.seconds},
                                          std::pair{layout::kQuestions, settings.questions}}) {
        QScrollBar* bar = setting.bar == layout::kSeconds.bar ? secondsBar_ : questionsBar_;
        bar->setValue(setting.valueShowing(number));
    }
    drill_.restoreKind(settings.kind);
    chooseClef(settings.clef);
    chooseMode(settings.mode);
}

void Form1::chooseClef(Clef clef) {
    drill_.setClef(clef);
}

void Form1::chooseMode(KeyMode mode) {
    drill_.setMode(mode);
}

// One rectangle at a time: under a clip of many rectangles Qt shares the copy out among worker
// threads and waits for them, which wakes the program several times on every tick.
void Form1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& rect : event->region()) {
        painter.setClipRect(rect);
        painter.drawPixmap(0, 0, background_);
    }
}

bool Form1::loadKeyPicture(const std::string& file) {
    // The last key's picture goes first, so that the window never holds two at once.
    picture_->clear();
    auto image = loadPictureFile(QString::fromStdString(file));
    picture_->setPixmap(image ? QPixmap::fromImage(std::move(*image)) : restStaff_);
    return image.has_value();
}

void Form1::reportMissingFile(const std::string& file) {
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(file),
                    tr("A File That Is Needed Was Not Found!"), QMessageBox::Ok, this);
    box.exec();
}

// A closed window ends its drill; the About window may keep the program running.
void Form1::closeEvent(QCloseEvent* event) {
    drill_.stop();
    QWidget::closeEvent(event);
}

void Form1::setChoiceText(int pos, const std::string& text) {
    // The drill names keys in English; the label shows the name in the user's language.
    QLabel* label = answers_.at(static_cast<size_t>(pos));
    label->setText(Narrator::keyName(text));
    fitToRoom(label);
    describeAnswer(pos);
}

void Form1::setChoiceColour(int pos, Rgb colour) {
    QLabel* label = answers_.at(static_cast<size_t>(pos));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    label->setPalette(palette);
}

bool Form1::arrowShown(int pos) const {
    return pos >= 1 && pos <= 4 && !arrows_[static_cast<size_t>(pos)]->pixmap().isNull();
}

void Form1::clearArrow(int pos) {
    arrows_.at(static_cast<size_t>(pos))->clear();
    describeAnswer(pos);
}

bool Form1::loadArrow(int pos) {
    auto image = loadPictureFile("arrow.gif");
    if (image) {
        arrows_.at(static_cast<size_t>(pos))->setPixmap(QPixmap::fromImage(std::move(*image)));
        describeAnswer(pos);
    }
    return image.has_value();
}

void Form1::showRestPicture(Clef clef) {
    const QString word = QString::fromUtf8(clefWord(clef));
    restStaff_ =
        ownPicture(clef == Clef::Treble ? "blankstaff.gif" : "blankstaff-" + word + ".gif");
    picture_->setPixmap(restStaff_);
    describePicture(0);
}

QLabel* Form1::captionLabel(Caption which) const {
    switch (which) {
        case Caption::QuestionsLeft:
            return questionsLeft_;
        case Caption::Right:
            return rightCount_;
        case Caption::Wrong:
            return wrongCount_;
        case Caption::Seconds:
            return secondsSetting_;
        case Caption::Questions:
            break;
    }
    return questionsSetting_;
}

std::string Form1::caption(Caption which) const {
    return captionLabel(which)->text().toStdString();
}

// A label that sizes itself keeps its left and top edges, so a longer number grows right
// (within its room, where it has one).
void Form1::setCaption(Caption which, const std::string& text) {
    QLabel* label = captionLabel(which);
    label->setText(QString::fromStdString(text));
    if (label->property(kAutoSize).toBool()) {
        fitToRoom(label);
        label->adjustSize();
    }
    describeCaption(which);
}

void Form1::setScrollBarsEnabled(bool enabled) {
    secondsBar_->setEnabled(enabled);
    questionsBar_->setEnabled(enabled);
}

void Form1::showIndicators(bool sharps, bool flats) {
    sharpsLamp_->setVisible(sharps);
    flatsLamp_->setVisible(flats);
    kindButton_->setAccessibleDescription(!sharps  ? tr("Asks the flat keys; press to change")
                                          : !flats ? tr("Asks the sharp keys; press to change")
                                                   : tr("Asks all fourteen keys; press to change"));
}
