// The result blocks: headings, notes and result lines, each line as title and
// formula with its bold coloured value at the value column and its reference.
// A line that would pass the page's last row starts a new page.
#include <QStringList>

#include <cmath>

#include "output/reportblocks.h"

namespace veltar {
namespace {

constexpr double kResultPoints = 10 - 1.5;
constexpr double kWrapIndent = 20;

QColor PaletteColour(int index) {
    switch (index) {
        case 2: return {0, 128, 0};
        case 4: return {128, 0, 0};
        default: return Qt::black;
    }
}

// Splits `text` at blanks into pieces no wider than `width` columns; a single
// word wider than that stands alone.
QStringList Wrap(const ReportSheet& s, const QString& text, double width, const TextStyle& style) {
    QStringList rows;
    QString row;
    for (const QString& word : text.split(' ')) {
        const QString longer = row.isEmpty() ? word : row + ' ' + word;
        if (!row.isEmpty() && s.TextWidth(longer, style) > width) {
            rows << row;
            row = word;
        } else {
            row = longer;
        }
    }
    rows << row;
    return rows;
}

class ResultWriter {
public:
    ResultWriter(ReportSheet& s, double x) : s_(s), x_(x), valueX_(std::floor(0.95 * s.CharsPerLine) - 17) {}

    // A heading stays on the page of the row that follows it.
    void Heading(const QString& text, const QString& note = {}) {
        s_.Reserve(2);
        const double after = s_.Text(x_, s_.LineY, text, veltar::Heading(kResultPoints));
        if (!note.isEmpty()) s_.Text(after, s_.LineY, note, body_);
        s_.LineY += 1;
    }
    void Note(const QString& text, const QColor& colour = Qt::black) {
        TextStyle style = body_;
        style.colour = colour;
        const QStringList rows = Wrap(s_, text, s_.RightEdge - x_, style);
        s_.Reserve(rows.size());
        for (const QString& row : rows) s_.Text(x_, s_.LineY++, row, style);
    }
    void Line(const ResultLine& line) {
        const QString title = QString::fromStdString(line.Title), formula = QString::fromStdString(line.Formula);
        QStringList rows;
        if (x_ + s_.TextWidth(title + formula, body_) <= valueX_) {
            rows << title + formula;
        } else {
            rows << title;
            for (const QString& part : Wrap(s_, formula, valueX_ - x_ - kWrapIndent, body_)) rows << part;
        }
        s_.Reserve(rows.size());
        for (int i = 0; i < rows.size(); ++i) {
            s_.Text(i == 0 ? x_ : x_ + kWrapIndent, s_.LineY, rows[i], body_);
            if (i + 1 < rows.size()) s_.LineY += 1;
        }
        TextStyle value = body_;
        value.bold = true;
        value.colour = PaletteColour(line.Colour);
        const double after = s_.Text(valueX_, s_.LineY, QString::fromStdString(line.Value), value);
        s_.Text(after, s_.LineY, QString::fromStdString(line.Reference), body_);
        s_.LineY += 1;
    }
    void LineIfTitled(const ResultLine& line) {
        if (!line.Title.empty()) Line(line);
    }

private:
    ReportSheet& s_;
    double x_, valueX_;
    const TextStyle body_{.points = kResultPoints};
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void PrintBucklingResults(ReportSheet& s, double x, const Case& c) {
    ResultWriter w(s, x);
    s.LineY += 0.2;
    w.Note(" (Rule/Buckling: ABS-Buckling and Ultimate Strength Assessment for Offshore Structures)");
    if (!c.PlateLateralLine.Title.empty() || !c.PlateBucklingLine.Title.empty()) {
        w.Heading("PLATE BUCKLING CONTROL: (Max from plate 1/2)");
        w.LineIfTitled(c.PlateBucklingLine);
        w.LineIfTitled(c.PlateUltimateLine);
        w.LineIfTitled(c.PlateLateralLine);
    }
    w.Heading("STIFFENER BUCKLING CONTROL:");
    w.Note("Buckling, se = " + Masked(c, c.se, "#0.0") + " mm   " + "Bending, sw = " + Masked(c, c.sw, "#0.0") + " mm");
    w.Line(c.StiffBeamColumnLine);
    w.Line(c.StiffTorsionLine);
    w.Line(c.StiffStiffnessLine);
    w.Heading("OVERALL BUCKLING CONTROL:");
    w.Line(c.GirderLine);
    if (c.CalcErrorFlag != 0) w.Note("ERROR in calculation, decrease Sigy-stress", Qt::red);
    if (c.InclDeform == 1 && double(c.p) != 0) {
        w.Heading("STIFFENER DEFORMATION CHECK:", " (Based on effective plate width as sw) ");
        w.LineIfTitled(c.StiffDeformationLine);
    }
}

void PrintScantlingResults(ReportSheet& s, double x, const Case& c) {
    ResultWriter w(s, x);
    s.LineY += 0.2;
    w.Note(" (Rule/Yield: ABS, Mobile Offshore Drilling Units, Part 3 Hull Construction and equipment)");
    w.Heading("PLATE SCANTLING:");
    w.Line(c.PlateScantlingLine);
    w.Heading("STIFFENER SCANTLING:");
    w.Line(c.StiffSMLine);
    w.Heading("GIRDER SCANTLING:");
    w.Line(c.GirderSMLine);
    w.Line(c.GirderDepthLine);
    w.Line(c.GirderWebLine);
    w.Line(c.TrippingLine);
    if (!c.PlateYieldLine.Title.empty()) {
        w.Heading("PLATE YIELD CONTROL:");
        w.Note(Q(c.PlateYieldNote));
        w.Line(c.PlateYieldLine);
    }
    w.Heading("STIFFENER YIELD CHECK:");
    w.Note("Effective width sw = " + Masked(c, c.beSc, "#0.0") + " mm" +
           " (check at points 1-3, plate(p) and stiffener(s)). ");
    w.Line(c.StiffYieldPLine);
    w.Line(c.StiffYieldSLine);
}

void PrintFault(ReportSheet& s, double x, const Case& c) {
    ResultWriter w(s, x);
    s.LineY += 0.2;
    w.Heading("CALCULATION STOPPED:");
    w.Note(Q(c.FaultText), PaletteColour(4));
}

}  // namespace veltar
