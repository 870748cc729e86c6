// The result list refilled run after run: its items show what items of a fresh list
// show whatever rows they held before, and rows that did not change send no change
// (so the list repaints only what changed).
#include <QAbstractItemModel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "ui/resultlist.h"

using namespace veltar;

namespace {

const std::vector<ListRow> kLong = {
    {RowStyle::Note, "(Rule/Buckling)", {}, {}, 0},
    {RowStyle::Heading, "PLATE BUCKLING CONTROL:", {}, {}, 0},
    {RowStyle::Result, "PL1: Buckling - UF =1/0.60^2*(...) = ", "1.20", " < 1.0 (3/3.1)", 4},
    {RowStyle::Error, "ERROR in calculation, decrease Sigy-stress", {}, {}, 255},
    {RowStyle::Result, "UFbu= 1/0.6*(...) =", "NOK", "  < 1.0 (3/5.1)", 4},
    {RowStyle::Heading, "OVERALL BUCKLING CONTROL:", {}, {}, 0},
};

// Each row in another style than the row at its place in kLong.
const std::vector<ListRow> kShort = {
    {RowStyle::Result, "UFst= io/Ieff = 1.2E+6/3.4E+7 = ", "0.04", "  < 1.0 (3/9.1)", 2},
    {RowStyle::Note, "Effective width sw = 625.0 mm ", {}, {}, 0},
    {RowStyle::Heading, "STIFFENER YIELD CHECK:", {}, {}, 0},
    {RowStyle::Note, "Buckling, se = 600.1 mm", {}, {}, 0},
};

// Every role a row sets, for each column of each item.
QStringList Shown(QTreeWidget& list) {
    QStringList out;
    const int roles[] = {Qt::DisplayRole, Qt::ToolTipRole, Qt::FontRole, Qt::ForegroundRole, Qt::TextAlignmentRole};
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        for (int column = 0; column < 3; ++column)
            for (int role : roles) {
                const QVariant v = list.topLevelItem(i)->data(column, role);
                out << QString("%1/%2/%3: %4 %5").arg(i).arg(column).arg(role).arg(v.typeName()).arg(v.toString());
            }
    return out;
}

}  // namespace

class ResultListTest : public QObject {
    Q_OBJECT

private slots:
    void refilledItemsShowWhatFreshItemsShow() {
        QTreeWidget reused, fresh;
        reused.setColumnCount(3), fresh.setColumnCount(3);
        ShowRows(reused, kLong);
        ShowRows(reused, kShort);
        ShowRows(fresh, kShort);
        QCOMPARE(reused.topLevelItemCount(), int(kShort.size()));
        QCOMPARE(Shown(reused), Shown(fresh));
        ShowRows(reused, kLong);
        ShowRows(fresh, kLong);
        QCOMPARE(Shown(reused), Shown(fresh));
    }

    void unchangedRowsSendNoChange() {
        QTreeWidget list;
        list.setColumnCount(3);
        ShowRows(list, kLong);
        QSignalSpy changed(list.model(), &QAbstractItemModel::dataChanged);
        ShowRows(list, kLong);
        QCOMPARE(changed.count(), 0);
        std::vector<ListRow> rows = kLong;
        rows[2].value = "0.95";
        rows[2].colour = 2;
        ShowRows(list, rows);
        QVERIFY(changed.count() > 0);
        for (const QList<QVariant>& signal : changed) {
            QCOMPARE(signal[0].value<QModelIndex>().row(), 2);
            QCOMPARE(signal[1].value<QModelIndex>().row(), 2);
        }
    }
};

QTEST_MAIN(ResultListTest)
#include "resultlist_test.moc"
