// The input blocks of page 1: material and loading, geometry with the panel
// figure, stresses, and the stiffener and girder with the section to scale.
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

#include "output/localcheck.h"
#include "output/panelfigure.h"
#include "output/reportblocks.h"
#include "output/sectionfigure.h"

namespace veltar {
namespace {

// Writes a column: its heading, the first line 1.3 rows lower, each next one row
// lower; returns the row below the last line.
double Column(ReportSheet& s, double x, double y, const QString& heading, const QStringList& lines) {
    s.Text(x, y, heading, Heading(10));
    y += 1.3;
    for (const QString& line : lines) {
        s.Text(x, y, line, {});
        y += 1;
    }
    return y;
}

QString GradeName(const Tables& tables, i16 index) {
    if (index < 0 || index > tables.Mat.count) return {};
    return QString::fromStdString(tables.Mat.name[size_t(index)]);
}

QStringList GeometryLines(const Case& c) {
    QStringList lines = {
        "L1 = " + Masked(c, c.L1, "##0") + " mm",   "L2 = " + Masked(c, c.L2, "##0") + " mm",
        "Lg = " + Masked(c, c.Lg, "##0") + " mm",   "t = " + Masked(c, c.t, "##0.0") + " mm (plate th.)",
        "s1 = " + Masked(c, c.s1, "##0") + " mm",   "s2 = " + Masked(c, c.s2, "##0") + " mm",
        "Lgs = " + Masked(c, c.Lgs, "##0") + " mm", "Lt = " + Masked(c, c.Lt, "##0") + " mm",
    };
    const bool first = c.EndOption == 0;
    QString structure = "Structure: ", ends;
    if (c.BulkheadType == 0) {
        structure += "Watertight bulkhead;  Unit length: UL = " + Masked(c, c.UL, "##0") + " m";
        ends = first ? "Stiffener: ends attached" : "Stiffener: no end attachment";
    } else if (c.BulkheadType == 1) {
        structure += "Tank bulkhead  ";
        ends = c.EndOption == 1 ? "Stiffener: supported at both ends by girder" : "Stiffener: clip attachment";
    } else {
        structure += "Upper structure   ";
        ends = c.EndOption == 1 ? "Stiffener/Girder: In way of tanks" : "Stiffener/Girder: Clear of tanks";
    }
    lines << structure << ends + " c-factor = " + Masked(c, c.c, "##0.00");
    if (c.BulkheadType != 0) lines << "Girder c-factor = " + Masked(c, c.cg, "##0.00");
    return lines;
}

// The scantling and yield checks use `ps` even when `p` is zero, so a report
// that includes them shows it.
QStringList StressLines(const Case& c, i16 printMode) {
    QStringList lines = {
        "SigxA = " + Masked(c, c.SigxA, "##0.0") + " MPa", "SigxB = " + Masked(c, c.SigxB, "##0.0") + " MPa",
        "SigyA = " + Masked(c, c.SigyA, "##0.0") + " MPa", "SigyC = " + Masked(c, c.SigyC, "##0.0") + " MPa",
        "Tau = " + Masked(c, c.Tau, "##0.0") + " MPa",
    };
    const bool pressure = double(c.p) != 0;
    if (pressure) lines << "p = " + Masked(c, c.p, "##0.000") + " MPa";
    if (pressure || printMode >= 2) lines << "ps = " + Masked(c, c.ps, "##0.000") + " MPa (Scantling)";
    return lines;
}

QString StiffenerName(const Case& c) {
    const QString h = Masked(c, c.StiffH, "00"), b = Masked(c, c.StiffB, "00");
    const QString tw = Masked(c, c.StiffTw, "0.0"), tf = Masked(c, c.StiffTf, "#0.0");
    switch (c.StiffKind) {
        case kLTable:
        case kLBuilt: return "L " + h + "x" + b + "x" + tw + "x" + tf;
        case kTTable:
        case kTBuilt: return "T " + h + "x" + b + "x" + tw + "x" + tf;
        case kIBuilt: return "I " + h + "x" + b + "x" + tw + "x" + tf;
        case kFbTable:
        case kFbBuilt: return "Fb " + h + "x" + tw;
        case kBulb: return "BF " + h + "x" + tw;
        case kRhs: return "RHS " + h + "x" + b + "x" + tw;
        case kTrapezoid: {
            const QString a = double(c.StiffC) != 0 ? "/" + Masked(c, c.StiffC, "00") : QString();
            return "Trapez " + h + "x" + b + a + "x" + tw;
        }
        default: return {};
    }
}

QString Pair(const QString& first, const QString& second) { return first + " mm    " + second + " mm"; }

QStringList StiffenerLines(const Case& c) {
    const QString h = "H = " + Masked(c, c.StiffH, "#00"), b = "B = " + Masked(c, c.StiffB, "#0.0");
    const QString tw = "tw = " + Masked(c, c.StiffTw, "#0.0"), tf = "tf = " + Masked(c, c.StiffTf, "#0.0");
    if (c.StiffKind == kFbTable || c.StiffKind == kFbBuilt) return {h + " mm", tw + " mm"};
    if (c.StiffKind == kTrapezoid) return {Pair(h, b), Pair("a = " + Masked(c, c.StiffC, "#0.0"), tw)};
    return {Pair(h, b), Pair(tw, tf)};
}

QStringList GirderLines(const Case& c) {
    return {Pair("H = " + Masked(c, c.GirdH, "#00"), "B = " + Masked(c, c.GirdB, "#0.0")),
            Pair("tw = " + Masked(c, c.GirdTw, "#0.0"), "tf = " + Masked(c, c.GirdTf, "#0.0"))};
}

QString GirderName(const Case& c) {
    return (c.GirdKind == kLGirder ? "L " : "T ") + Masked(c, c.GirdH, "00") + "x" + Masked(c, c.GirdB, "00") + "x" +
           Masked(c, c.GirdTw, "0.0") + "x" + Masked(c, c.GirdTf, "#0.0");
}

// A heading followed by plain text on the same row.
void HeadingWith(ReportSheet& s, double x, double y, const QString& heading, const QString& text) {
    s.Text(s.Text(x, y, heading, Heading(10)) + 1, y, text, {});
}

}  // namespace

void PrintMaterialBlock(ReportSheet& s, const Case& c, const Tables& tables) {
    s.Reserve(0.5 + 1.3 + 4);
    const double y = s.LineY + 0.5;
    const double left =
        Column(s, s.LeftCol, y, "Material:",
               {"Plate & Girder/Stiffener: " + GradeName(tables, c.PlateGradeIndex) + "/" +
                    GradeName(tables, c.StiffGradeIndex),
                "Yield stress: Fyp/Fys = " + Masked(c, c.Fyp, "###") + "/" + Masked(c, c.Fys, "###") + " MPa",
                "Tensile stress: Fup/Fus = " + Masked(c, c.Fup, "###") + "/" + Masked(c, c.Fus, "###") + " MPa",
                "Youngs modulus: E = " + Masked(c, c.E, "0.00E+0") + " MPa"});
    const char* conds[] = {"A", "B", "C"};
    const double right =
        Column(s, s.RightCol, y, "Loading Condition / Safety format:",
               {QString("Loading Condition: ") + (c.LoadCond >= 0 && c.LoadCond <= 2 ? conds[c.LoadCond] : ""),
                "Factor of Safety: F.S = " + Masked(c, c.FS, "#0.00"),
                "Max Allow Utlization Factor: UF = " + Masked(c, c.UFa, "#0.00")});
    s.LineY = std::max(left, right);
}

void PrintGeometryBlock(ReportSheet& s, const std::shared_ptr<const Case>& c, i16 printMode) {
    const QStringList geometry = GeometryLines(*c), stresses = StressLines(*c, printMode);
    // The panel figure fills the column's width at its own proportions.
    const double width = s.W / 2 - 1;
    const double rows = width * s.ColumnWidth() * kPanelFigureHeight / kPanelFigureWidth / s.RowHeight();
    s.Reserve(0.7 + 1.3 + std::max(geometry.size() + 1.8 + stresses.size(), rows));
    const double y = s.LineY + 0.7;
    const double geometryEnd = Column(s, s.LeftCol, y, "Geometry:", geometry);
    const double stressEnd = Column(s, s.LeftCol, geometryEnd + 0.5, "Stresses:", stresses);
    s.Text(s.RightCol, y, "Figure:", Heading(10));
    s.Figure(QRectF(s.RightCol, y + 1.3, width, rows), [c](QPainter& p, const QRectF& box) {
        p.translate(box.topLeft());
        p.scale(box.width() / kPanelFigureWidth, box.width() / kPanelFigureWidth);
        DrawPanel(p, 0, 0, *c);
    });
    s.LineY = std::max(stressEnd, y + 1.3 + rows);
}

void PrintProfileBlock(ReportSheet& s, const std::shared_ptr<const Case>& c) {
    s.Reserve(0.7 + 1.3 + StiffenerLines(*c).size() + LocalCheckLines(*c) + 0.5 + 1.3 + 2);
    const double top = s.LineY + 0.7;
    HeadingWith(s, s.LeftCol, top, "Stiffener:", StiffenerName(*c));
    double y = top + 1.3;
    for (const QString& line : StiffenerLines(*c)) s.Text(s.LeftCol, y++, line, {});
    const double localX = s.LeftCol + s.W / 10;
    const QFont font = s.Font({});
    const QPointF at = s.ToDevice(localX, y);
    const double step = s.RowHeight();
    s.Draw([c, font, at, step](QPainter& p) {
        p.setFont(font);
        DrawLocalCheck(p, at.y(), at.x(), step, *c);
    });
    y += LocalCheckLines(*c) + 0.5;
    HeadingWith(s, s.LeftCol, y, "Girder:", GirderName(*c));
    y += 1.3;
    for (const QString& line : GirderLines(*c)) s.Text(s.LeftCol, y++, line, {});
    // The section to scale in a square beside the lines.
    const double side = std::min((s.W / 2 - 1) * s.ColumnWidth(), (y - top) * s.RowHeight());
    s.Figure(QRectF(s.RightCol, top, side / s.ColumnWidth(), side / s.RowHeight()),
             [c](QPainter& p, const QRectF& box) { DrawStiffenerSection(p, box, *c); });
    s.LineY = y;
}

}  // namespace veltar
