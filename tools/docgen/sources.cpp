// Placeholder values. Numbers keep the digits asked for; texts of the result list
// go into code spans, since their "*" and "^" are part of the formula.
#include "sources.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace docgen {
namespace {

bool ReadText(const QString& path, QString& text, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = "can't read " + path;
        return false;
    }
    text = QString::fromUtf8(file.readAll());
    return true;
}

QList<QStringList> Cells(const QString& text) {
    QList<QStringList> lines;
    for (QString line : text.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        lines << line.split('\t');
    }
    return lines;
}

bool ReadTable(const QString& path, QList<QStringList>& table, QString& error) {
    QString text;
    if (path.isEmpty()) return true;
    if (!ReadText(path, text, error)) return false;
    table = Cells(text);
    return true;
}

QString Number(double v, const QString& fmt) {
    if (fmt.isEmpty()) return QString::number(v, 'g', 7);
    if (fmt.startsWith('e')) return QString::number(v, 'e', fmt.mid(1).toInt());
    return QString::number(v, 'f', fmt.toInt());
}

QString Code(QString text) { return "`" + text.replace('|', "\\|") + "`"; }

QString RowsTable(const QJsonArray& rows) {
    QString out = "| Control | Interaction Ratio | Reference |\n|---|---|---|\n";
    for (const QJsonValue& v : rows) {
        const QJsonObject row = v.toObject();
        const QString style = row["style"].toString();
        const QString text = row["text"].toString();
        if (style == "heading") {
            out += "| **" + text + "** | | |\n";
            continue;
        }
        QString value = row["value"].toString();
        if (!value.isEmpty()) {
            const int colour = row["colour"].toInt();
            value = Code(value) + (colour == 2 ? " green" : colour == 4 ? " red" : "");
        }
        const QString ref = row["reference"].toString();
        out += "| " + Code(text) + " | " + value + " | " + (ref.isEmpty() ? "" : Code(ref)) + " |\n";
    }
    return out;
}

// A dotted path into the calculation; a bare name is one of its fields.
bool CalcValue(const QJsonObject& calc, const QString& key, QString& out) {
    const int colon = key.indexOf(':');
    const QString path = colon < 0 ? key : key.left(colon);
    const QString fmt = colon < 0 ? QString() : key.mid(colon + 1);
    QStringList parts = path.split('.');
    if (parts.size() == 1) parts.prepend("fields");
    QJsonValue v = calc;
    for (const QString& part : parts) {
        if (!v.isObject() || !v.toObject().contains(part)) return false;
        v = v.toObject().value(part);
    }
    if (v.isDouble())
        out = Number(v.toDouble(), fmt);
    else if (v.isString())
        out = v.toString();
    else if (v.isNull())
        out = "no finite value";
    else
        return false;
    return true;
}

bool TableCell(const QList<QStringList>& table, const QString& key, QString& out) {
    const QStringList at = key.split(':');
    bool lineOk = false, cellOk = false;
    const int line = at.value(0).toInt(&lineOk), cell = at.value(1).toInt(&cellOk);
    if (at.size() != 2 || !lineOk || !cellOk || line < 0 || line >= table.size()) return false;
    if (cell < 0 || cell >= table[line].size()) return false;
    out = table[line][cell];
    return true;
}

QString TableText(const QList<QStringList>& table) {
    QString out = "```\n";
    for (const QStringList& line : table) {
        if (line.size() == 1 && line[0].isEmpty()) continue;
        out += line.join(" \u2192 ") + "\n";
    }
    return out + "```";
}

bool Value(const Sources& src, const QString& key, QString& out) {
    if (key == "rows") {
        out = RowsTable(src.calc["rows"].toArray());
        return true;
    }
    if (key == "case-text") {
        out = TableText(src.cases);
        return !src.cases.isEmpty();
    }
    if (key.startsWith("case:")) return TableCell(src.cases, key.mid(5), out);
    if (key.startsWith("result:")) return TableCell(src.results, key.mid(7), out);
    return CalcValue(src.calc, key, out);
}

}  // namespace

bool ReadSources(const QString& calcJson, const QString& caseTable, const QString& resultTable, Sources& src,
                 QString& error) {
    if (!calcJson.isEmpty()) {
        QString text;
        if (!ReadText(calcJson, text, error)) return false;
        QJsonParseError parse{};
        const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &parse);
        if (!doc.isObject()) {
            error = calcJson + ": not a calculation in JSON (" + parse.errorString() + ")";
            return false;
        }
        src.calc = doc.object();
    }
    return ReadTable(caseTable, src.cases, error) && ReadTable(resultTable, src.results, error);
}

bool Substitute(Page& page, const Sources& src, QString& error) {
    static const QRegularExpression placeholder("\\{\\{([^}]*)\\}\\}");
    QString out;
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(page.markdown); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString value;
        if (!Value(src, m.captured(1).trimmed(), value)) {
            const int line = page.bodyLine + int(page.markdown.left(m.capturedStart()).count('\n'));
            error = page.path + ":" + QString::number(line) + ": no value for {{" + m.captured(1) + "}}";
            return false;
        }
        out += page.markdown.mid(from, m.capturedStart() - from) + value;
        from = m.capturedEnd();
    }
    page.markdown = out + page.markdown.mid(from);
    return true;
}

}  // namespace docgen
