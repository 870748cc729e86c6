// The list offers exactly the rows read, so a chosen row always lies in the table.
#include "ui/dialogs/tabledialog.h"

#include <QComboBox>
#include <QGridLayout>

#include <algorithm>

#include "core/numformat.h"
#include "profiles/sections.h"

namespace veltar {

TableDialog::TableDialog(MainWindow& main, const DialogDef& def) : ProfileDialog(main, def), kind_(*def.Stiffener()) {
    Build([this](QGridLayout& grid, int& row) {
        rows_ = new QComboBox(this);
        rows_->setObjectName("cbo");
        rows_->setMaxVisibleItems(20);
        grid.addWidget(rows_, row++, 0, 1, 3);
    });
    connect(rows_, &QComboBox::activated, this, &TableDialog::ChooseRow);
}

void TableDialog::MakeCurrent() {
    C().StiffKind = kind_.kind;
    SetStiffenerProfile(C(), T(), kind_.kind);
}

void TableDialog::Recompute() { SetStiffenerProfile(C(), T(), C().StiffKind); }

void TableDialog::ShowInputs(bool refill) {
    if (refill) {
        rows_->clear();
        const TableUse use = TableFor(T(), kind_.source);
        const char sep = SepOf(C().DecSep);
        for (int i = 0; use.table && i <= std::min(use.table->count, kMaxProfileRows - 1); ++i)
            rows_->addItem(QString::fromStdString(ItemText(T(), kind_.kind, i, sep)));
    }
    rows_->setCurrentIndex(C().*kind_.row < rows_->count() ? C().*kind_.row : -1);
}

void TableDialog::ChooseRow(int row) {
    C().*kind_.row = i16(row);
    Changed();
}

}  // namespace veltar
