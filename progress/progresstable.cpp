#include "progresstable.h"

#include <QHeaderView>
#include <QLocale>

#include "keytable.h"
#include "progresstext.h"

namespace {

constexpr int kPadding = 14;

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

ProgressTable::ProgressTable(QWidget* parent) : QTableWidget(keytable::kKeyCount, 4, parent) {
    setObjectName("ProgressTable");
    setAccessibleName(tr("Answers per key"));
    setHorizontalHeaderLabels({tr("Key"), tr("Asked"), tr("Right"), tr("Average time")});
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    fitColumns();
}

void ProgressTable::setData(const ProgressData& shown) {
    const QLocale locale;
    for (int row = 0; row < keytable::kKeyCount; ++row) {
        const KeyProgress& key = shown.keys[size_t(row)];
        setItem(row, KeyColumn, cell(progresstext::keyName(row + 1, shown.mode), Qt::AlignLeft));
        setItem(row, AskedColumn, cell(locale.toString(key.asked), Qt::AlignRight));
        setItem(row, RightColumn, cell(locale.toString(key.right), Qt::AlignRight));
        setItem(row, TimeColumn, cell(progresstext::seconds(key.averageMs), Qt::AlignRight));
    }
}

// Wide enough for every key's name in either mode, four-digit counts and the headers, so that
// the window keeps its size whatever the figures.
void ProgressTable::fitColumns() {
    const QFontMetrics metrics(font());
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    const auto widest = [&](const QStringList& texts, int column) {
        int width = headerMetrics.horizontalAdvance(horizontalHeaderItem(column)->text());
        for (const QString& text : texts) {
            width = std::max(width, metrics.horizontalAdvance(text));
        }
        return width + kPadding;
    };
    QStringList names;
    for (int key = 1; key <= keytable::kKeyCount; ++key) {
        names << progresstext::keyName(key, KeyMode::Major)
              << progresstext::keyName(key, KeyMode::Minor);
    }
    const QString count = QLocale().toString(9999);
    setColumnWidth(KeyColumn, widest(names, KeyColumn));
    setColumnWidth(AskedColumn, widest({count}, AskedColumn));
    setColumnWidth(RightColumn, widest({count}, RightColumn));
    setColumnWidth(TimeColumn, widest({progresstext::seconds(99900)}, TimeColumn));
    int width = 2 * frameWidth();
    for (int column = 0; column < columnCount(); ++column) {
        width += columnWidth(column);
    }
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height();
    for (int row = 0; row < rowCount(); ++row) {
        height += rowHeight(row);
    }
    setFixedSize(width, height);
}
