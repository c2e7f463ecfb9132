#include "progresslegend.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>

#include "keycircle.h"
#include "marks.h"
#include "progresstext.h"

namespace {

// A key's disc in small, with its mark on the rim where the circle puts it.
class LegendIcon : public QWidget {
public:
    LegendIcon(const DiscLook& look, std::optional<Mark> mark, QPointF markAt, QWidget* parent)
        : QWidget(parent), look_(look), mark_(mark), markAt_(markAt) {
        setFixedSize(kSide, kSide);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QPointF centre(kSide / 2.0, kSide / 2.0 + 2);
        paintDisc(painter, centre, kDisc, look_);
        if (mark_) {
            paintBadge(painter, centre + markAt_, kBadge, *mark_);
        }
    }

private:
    static constexpr int kSide = 26;
    static constexpr qreal kDisc = 9;
    static constexpr qreal kBadge = 5.5;
    DiscLook look_;
    std::optional<Mark> mark_;
    QPointF markAt_;
};

QPointF scaledToLegend(QPointF offset) {
    return offset * (9.0 / KeyCircle::kDiscRadius);
}

}  // namespace

ProgressLegend::ProgressLegend(QWidget* parent) : QWidget(parent) {
    setObjectName("ProgressLegend");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const QPointF markAt = scaledToLegend(KeyCircle::markOffset());
    int item = 0;
    auto add = [&](QWidget* icon, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        // Two columns of icon and words, a gap between them.
        const int row = item % 3;
        const int column = 3 * (item / 3);
        grid->addWidget(icon, row, column);
        grid->addWidget(label, row, column + 1);
        ++item;
        return label;
    };
    for (auto [band, share] : {std::pair(Band::Mastered, 0.9), std::pair(Band::Middling, 0.65),
                               std::pair(Band::Missed, 0.25)}) {
        add(new LegendIcon({share, false, false}, markOf(band), markAt, this),
            progresstext::bandWords(band));
    }
    add(new LegendIcon({}, std::nullopt, markAt, this), progresstext::bandWords(Band::NotAsked));
    slow_ = add(new LegendIcon({std::nullopt, false, true}, Mark::Clock,
                               scaledToLegend(KeyCircle::slowOffset()), this),
                QString());
    auto* count = new QLabel(QStringLiteral("7/9"), this);
    QFont bold = count->font();
    bold.setBold(true);
    count->setFont(bold);
    //: Beside "7/9" in the legend: the numbers by each key.
    add(count, tr("Right answers / questions asked"));
    grid->setColumnMinimumWidth(2, 12);
    grid->setColumnStretch(4, 1);
}

void ProgressLegend::setSlowMs(int slowMs) {
    slow_->setText(progresstext::slowWords(slowMs));
}
