// Result list rendering: the 16-colour palette indices of the checks become the
// colours the engineer knows, green for pass and red for fail.
#include "ui/resultlist.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace veltar {
namespace {

QColor PaletteColour(int index) {
    switch (index) {
        case 2: return {0, 128, 0};
        case 4: return {128, 0, 0};
        case 255: return {255, 0, 0};
        default: return {0, 0, 0};
    }
}

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
}

QTreeWidgetItem* Item(const ListRow& row, const QFont& base) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(row.text));
    item->setTextAlignment(1, Qt::AlignHCenter | Qt::AlignVCenter);
    switch (row.style) {
        case RowStyle::Heading: item->setFont(0, Bold(base)); break;
        case RowStyle::Result:
            item->setText(1, QString::fromStdString(row.value));
            item->setText(2, QString::fromStdString(row.reference));
            item->setFont(1, Bold(base));
            item->setForeground(1, PaletteColour(row.colour));
            break;
        case RowStyle::Error: item->setForeground(0, PaletteColour(255)); break;
        case RowStyle::Note: break;
    }
    return item;
}

}  // namespace

void FitColumns(QTreeWidget& list) {
    const double width = list.viewport()->width();
    list.setColumnWidth(0, int(0.7 * width));
    list.setColumnWidth(1, int(0.1 * width));
    list.setColumnWidth(2, int(0.15 * width));
    list.headerItem()->setTextAlignment(1, Qt::AlignHCenter | Qt::AlignVCenter);
}

void ShowRows(QTreeWidget& list, const std::vector<ListRow>& rows) {
    list.setUpdatesEnabled(false);
    list.clear();
    FitColumns(list);
    QList<QTreeWidgetItem*> items;
    items.reserve(int(rows.size()));
    for (const ListRow& row : rows) items.append(Item(row, list.font()));
    list.addTopLevelItems(items);
    list.setUpdatesEnabled(true);
}

}  // namespace veltar
