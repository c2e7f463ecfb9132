#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <optional>

#include "progressdata.h"

// The fourteen keys on the circle of fifths, C at the top as a grey reference. Each key is a
// disc with its name, coloured by its share of right answers and marked with the band's shape;
// "right/asked" stands beside it. B, F sharp and C sharp share their places with C flat,
// G flat and D flat, which sit on an outer ring below them.
class KeyCircle : public QWidget {
    Q_OBJECT
public:
    explicit KeyCircle(QWidget* parent = nullptr);
    void setData(const ProgressData& shown);
    QSize sizeHint() const override;

    static constexpr qreal kDiscRadius = 30;
    // The centre of key 1 to 14's disc, or the reference's for 0, in the widget's pixels.
    static QPointF centreOf(int key);
    // Where the band's mark and the slow mark sit on a disc, from its centre.
    static QPointF markOffset();
    static QPointF slowOffset();
    static constexpr qreal kBadgeRadius = 7.5;

    // A key's name broken into lines that fit its disc, and the font they fit in.
    struct NameLines {
        QFont font;
        QStringList lines;
    };
    static NameLines fitName(const QString& name);
    static QFont nameFont();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintKey(QPainter& painter, int key) const;
    void paintCount(QPainter& painter, int key) const;
    QString description() const;

    ProgressData data_;
    std::array<NameLines, 15> names_;  // the reference's, then keys 1 to 14
};
