#pragma once

#include <QWidget>

class QLabel;

// What the circle's colours and marks mean, each beside a small disc drawn as the circle draws
// its keys.
class ProgressLegend : public QWidget {
    Q_OBJECT
public:
    explicit ProgressLegend(QWidget* parent = nullptr);
    void setSlowMs(int slowMs);

private:
    QLabel* slow_ = nullptr;
};
