// The Ident is text from an untrusted table: a spreadsheet must not take it for a formula.
#include "ui/database/gridcsv.h"

#include "core/csv.h"
#include "ui/database/casegridmodel.h"

namespace veltar {
namespace {

QString Cell(const QString& text, bool freeText) {
    std::string cell;
    AppendCsvCell(cell, text.toStdString(), freeText);
    return QString::fromStdString(cell);
}

}  // namespace

QByteArray GridCsv(const CaseGridModel& model) {
    QStringList line;
    for (int c = 0; c < model.columnCount(); ++c)
        line << Cell(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), false);
    QString out = line.join(',') + "\r\n";
    for (int r = 0; r < model.rowCount(); ++r) {
        if (model.Outcomes()[static_cast<size_t>(r)].comment) continue;
        line.clear();
        for (int c = 0; c < model.columnCount(); ++c)
            line << Cell(model.PointText(r, c), c == CaseGridModel::IdentColumn);
        out += line.join(',') + "\r\n";
    }
    return out.toUtf8();
}

}  // namespace veltar
