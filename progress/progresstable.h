#pragma once

#include <QTableWidget>

#include "progressdata.h"

// The figures of the circle as a table that a screen reader reads: one row per key, the keys
// in their order (the sharp keys from one sharp to seven, then the flat keys likewise), and
// the columns Key, Asked, Right and Average time. Read only; sized to show every row.
class ProgressTable : public QTableWidget {
    Q_OBJECT
public:
    enum Column { KeyColumn, AskedColumn, RightColumn, TimeColumn };

    explicit ProgressTable(QWidget* parent = nullptr);
    void setData(const ProgressData& shown);

private:
    void fitColumns();
};
