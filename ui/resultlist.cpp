// Result list rendering: the 16-colour palette indices of the checks become the
// colours the engineer knows, green for pass and red for fail. The column widths
// follow the list's width until the user drags one; from then on they are the
// user's, kept across runs and resizes, and the list scrolls sideways when needed.
#include "ui/resultlist.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QTreeWidget>

namespace veltar {
namespace {

// Properties of the list: the window is setting the widths; the user has set one.
constexpr const char* kFitting = "veltarFitting";
constexpr const char* kUserWidths = "veltarUserWidths";

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

// The whole row in one text, for a row whose formula is cut at the column's edge.
QString FullText(const ListRow& row) {
    QString text = QString::fromStdString(row.text);
    if (row.style == RowStyle::Result)
        text += "  " + QString::fromStdString(row.value) + "  " + QString::fromStdString(row.reference).trimmed();
    return text;
}

QTreeWidgetItem* Item(const ListRow& row, const QFont& base) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(row.text));
    const QString full = FullText(row);
    for (int column = 0; column < 3; ++column) item->setToolTip(column, full);
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

// A width the user sets is one set by dragging a section's edge with the mouse, or
// by a double click on it; the header resizes sections of its own accord too.
void KeepUserWidths(QTreeWidget& list) {
    list.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView* header = list.header();
    QObject::connect(header, &QHeaderView::sectionResized, &list, [&list] {
        if (!list.property(kFitting).toBool() && QGuiApplication::mouseButtons() & Qt::LeftButton)
            list.setProperty(kUserWidths, true);
    });
    QObject::connect(header, &QHeaderView::sectionHandleDoubleClicked, &list,
                     [&list] { list.setProperty(kUserWidths, true); });
}

void FitColumns(QTreeWidget& list) {
    list.headerItem()->setTextAlignment(1, Qt::AlignHCenter | Qt::AlignVCenter);
    if (list.property(kUserWidths).toBool()) return;
    const double width = list.viewport()->width();
    list.setProperty(kFitting, true);
    list.setColumnWidth(0, int(0.7 * width));
    list.setColumnWidth(1, int(0.1 * width));
    list.setColumnWidth(2, int(0.15 * width));
    list.setProperty(kFitting, false);
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
