// A cell that a spreadsheet would take for a formula (an Ident beginning with "=",
// "+", "-" or "@" from an untrusted table) is written with a leading apostrophe, which
// spreadsheets show as text.
#include "ui/database/gridcsv.h"

#include "ui/database/casegridmodel.h"

namespace veltar {
namespace {

QString Cell(QString text, bool freeText) {
    if (freeText && !text.isEmpty() && QString("=+-@").contains(text.front())) text.prepend('\'');
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n') && !text.contains('\r')) return text;
    return '"' + text.replace('"', "\"\"") + '"';
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
