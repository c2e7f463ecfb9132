#include "quizchart.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>

#include "fonts.h"
#include "keyband.h"
#include "progresstext.h"

namespace {

constexpr int kHeight = 132;
constexpr int kMinimumWidth = 300;
constexpr qreal kPointRadius = 4;
const QColor kLine(0x3a, 0x5f, 0x8f);
const QColor kGrid(0xd8, 0xd8, 0xd8);

QFont labelFont() {
    return fonts::dialogDefault();
}

int percentOf(const QuizProgress& quiz) {
    return percentRight(quiz.right, quiz.graded);
}

}  // namespace

QuizChart::QuizChart(QWidget* parent) : QWidget(parent) {
    setObjectName("QuizChart");
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("Scores of the last quizzes"));
    setAccessibleDescription(summary());
}

QSize QuizChart::sizeHint() const {
    return {kMinimumWidth, kHeight};
}

void QuizChart::setQuizzes(const std::vector<QuizProgress>& quizzes) {
    quizzes_ = quizzes;
    setAccessibleDescription(summary());
    update();
}

// Room on either side for the widest percentage, at the left for the scale and at the right
// for the latest score, and under the plot for the dates.
QRectF QuizChart::plotArea() const {
    const QFontMetricsF metrics(labelFont());
    const qreal side = metrics.horizontalAdvance(progresstext::percent(100)) + 2 * kPointRadius;
    return QRectF(side, metrics.height() / 2 + kPointRadius, width() - 2 * side,
                  height() - 2.5 * metrics.height() - kPointRadius - 8);
}

std::vector<QPointF> QuizChart::points() const {
    const QRectF plot = plotArea();
    std::vector<QPointF> points;
    const size_t count = quizzes_.size();
    for (size_t i = 0; i < count; ++i) {
        const qreal x = count == 1 ? plot.center().x()
                                   : plot.left() + plot.width() * qreal(i) / qreal(count - 1);
        points.emplace_back(x, plot.bottom() - plot.height() * percentOf(quizzes_[i]) / 100.0);
    }
    return points;
}

void QuizChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(labelFont());
    const QRectF plot = plotArea();
    paintAxes(painter, plot);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (quizzes_.empty()) {
        // On a patch of the background, so that no grid line runs through the words.
        const QString empty = tr("No quiz finished yet");
        const QRectF patch =
            painter.boundingRect(plot, Qt::AlignCenter, empty).adjusted(-4, 0, 4, 0);
        painter.fillRect(patch, palette().window());
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(plot, Qt::AlignCenter, empty);
        return;
    }
    const std::vector<QPointF> at = points();
    painter.setPen(QPen(kLine, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(at.data(), int(at.size()));
    for (size_t i = 0; i < at.size(); ++i) {
        const double share = percentOf(quizzes_[i]) / 100.0;
        painter.setPen(QPen(rimFor(share), 1.5));
        painter.setBrush(fillFor(share));
        painter.drawEllipse(at[i], kPointRadius, kPointRadius);
    }
    // The latest score, right of its point.
    const QFontMetricsF metrics(labelFont());
    const QString latest = progresstext::percent(percentOf(quizzes_.back()));
    const QRectF label(at.back().x() + kPointRadius + 4, at.back().y() - metrics.height() / 2,
                       metrics.horizontalAdvance(latest) + 1, metrics.height());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, latest);
    paintDates(painter, plot);
}

void QuizChart::paintAxes(QPainter& painter, const QRectF& plot) const {
    const QFontMetricsF metrics(labelFont());
    for (int percent : {0, 50, 100}) {
        const qreal y = plot.bottom() - plot.height() * percent / 100.0;
        painter.setPen(QPen(kGrid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(palette().color(QPalette::WindowText));
        const QRectF label(0, y - metrics.height() / 2, plot.left() - 6, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, progresstext::percent(percent));
    }
}

void QuizChart::paintDates(QPainter& painter, const QRectF& plot) const {
    const QLocale locale;
    const QFontMetricsF metrics(labelFont());
    const QRectF row(0, plot.bottom() + metrics.height() / 2 + 6, width(), metrics.height());
    painter.setPen(palette().color(QPalette::WindowText));
    const auto dateOf = [&](const QuizProgress& quiz) {
        return locale.toString(quiz.started.toLocalTime().date(), QLocale::ShortFormat);
    };
    if (quizzes_.size() == 1) {
        painter.drawText(row, Qt::AlignHCenter | Qt::AlignVCenter, dateOf(quizzes_.front()));
        return;
    }
    painter.drawText(row.adjusted(plot.left(), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     dateOf(quizzes_.front()));
    painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter, dateOf(quizzes_.back()));
}

// "Last 20 quizzes: lowest 40%, highest 85%, latest 85%".
QString QuizChart::summary() const {
    if (quizzes_.empty()) {
        return tr("No quiz finished yet");
    }
    const auto percentAt = [](const QuizProgress& quiz) {
        return progresstext::percent(percentOf(quiz));
    };
    const QString latest = percentAt(quizzes_.back());
    if (quizzes_.size() == 1) {
        return tr("One quiz: %1 right").arg(latest);
    }
    const auto [lowest, highest] = std::minmax_element(
        quizzes_.begin(), quizzes_.end(),
        [](const QuizProgress& a, const QuizProgress& b) { return percentOf(a) < percentOf(b); });
    return tr("Last %n quizzes: lowest %1, highest %2, latest %3", "", int(quizzes_.size()))
        .arg(percentAt(*lowest), percentAt(*highest), latest);
}
