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

// Sets one role of a cell only when it changes: the list repaints just the cells whose
// data changed. An empty value removes the role, as on a new item.
void Set(QTreeWidgetItem& item, int column, int role, const QVariant& value) {
    if (item.data(column, role) != value) item.setData(column, role, value);
}

// Fills an item, new or the one a row had in the last run, with everything a row shows.
void Fill(QTreeWidgetItem& item, const ListRow& row, const QFont& base) {
    const bool result = row.style == RowStyle::Result;
    Set(item, 0, Qt::DisplayRole, QString::fromStdString(row.text));
    Set(item, 1, Qt::DisplayRole, result ? QString::fromStdString(row.value) : QString());
    Set(item, 2, Qt::DisplayRole, result ? QString::fromStdString(row.reference) : QString());
    const QString full = FullText(row);
    for (int column = 0; column < 3; ++column) Set(item, column, Qt::ToolTipRole, full);
    Set(item, 1, Qt::TextAlignmentRole, int(Qt::AlignHCenter | Qt::AlignVCenter));
    const QVariant bold = Bold(base);
    Set(item, 0, Qt::FontRole, row.style == RowStyle::Heading ? bold : QVariant());
    Set(item, 1, Qt::FontRole, result ? bold : QVariant());
    Set(item, 0, Qt::ForegroundRole, row.style == RowStyle::Error ? QBrush(PaletteColour(255)) : QVariant());
    Set(item, 1, Qt::ForegroundRole, result ? QBrush(PaletteColour(row.colour)) : QVariant());
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

// The items of the last run are kept and refilled, so a run that changes a few values
// repaints a few cells instead of the whole list.
void ShowRows(QTreeWidget& list, const std::vector<ListRow>& rows) {
    FitColumns(list);
    const int count = int(rows.size());
    while (list.topLevelItemCount() > count) delete list.takeTopLevelItem(list.topLevelItemCount() - 1);
    QList<QTreeWidgetItem*> added;
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* item = list.topLevelItem(i);
        if (!item) added.append(item = new QTreeWidgetItem);
        Fill(*item, rows[size_t(i)], list.font());
    }
    list.addTopLevelItems(added);
}

}  // namespace veltar
