#pragma once

#include <QWidget>
#include <vector>

#include "progressdata.h"

// The scores of the last quizzes, oldest at the left: one point per quiz at its share of right
// answers, joined by a line, with the first and last dates under it.
class QuizChart : public QWidget {
    Q_OBJECT
public:
    explicit QuizChart(QWidget* parent = nullptr);
    void setQuizzes(const std::vector<QuizProgress>& quizzes);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Where the points are drawn, in the widget's pixels.
    std::vector<QPointF> points() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF plotArea() const;
    QString summary() const;
    void paintAxes(QPainter& painter, const QRectF& plot) const;
    void paintDates(QPainter& painter, const QRectF& plot) const;

    std::vector<QuizProgress> quizzes_;
};
