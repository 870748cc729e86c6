// The panel figure. The plan and the side view are a fixed schematic; only the
// stress and pressure diagrams follow the case.
#include "output/panelfigure.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace veltar {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kLightGrey(192, 192, 192);
const QColor kOrange(255, 192, 128);

// Drawing in figure units from the origin, with the pen of the current colour,
// style and width (widths in device pixels, as the figure's lines are hairlines).
class Sketch {
public:
    Sketch(QPainter& p, double x0, double y0) : p_(p), x0_(x0), y0_(y0) { Pen(kBlack); }

    void Pen(const QColor& colour, double width = 1, Qt::PenStyle style = Qt::SolidLine) {
        QPen pen(colour, width, style);
        pen.setCosmetic(true);
        p_.setPen(pen);
    }
    void Line(double xa, double ya, double xb, double yb) { p_.drawLine(At(xa, ya), At(xb, yb)); }
    void Box(double x, double y, double w, double h, const QColor& fill) {
        p_.setBrush(fill);
        p_.drawRect(QRectF(At(x, y), QSizeF(w, h)));
        p_.setBrush(Qt::NoBrush);
    }
    void Dot(double x, double y, double r) {
        p_.setBrush(p_.pen().color());
        p_.drawEllipse(At(x, y), r, r);
        p_.setBrush(Qt::NoBrush);
    }

private:
    QPointF At(double x, double y) const { return {x0_ + x, y0_ + y}; }

    QPainter& p_;
    double x0_, y0_;
};

void DrawPlan(Sketch& s) {
    s.Box(18, 15, 37, 35, kLightGrey);
    s.Line(20, 15, 20, 50);
    s.Line(53, 15, 53, 50);
    s.Box(37, 15, 2, 35, kOrange);
    s.Pen(kBlack, 1, Qt::DashDotLine);
    for (double x : {19.0, 38.0, 54.0}) s.Line(x, 15, x, 50);
    s.Pen(kBlack);
    for (double y = 20; y <= 45; y += 5) {
        s.Line(20, y, 37, y);
        s.Line(39, y, 53, y);
    }
    s.Box(20, 29, 17, 1.5, kBlue);
}

void DrawPlanDimensions(Sketch& s) {
    s.Line(13, 15, 13, 50);
    s.Line(12, 15, 14, 15);
    s.Line(12, 50, 14, 50);
    for (double x : {19.0, 38.0, 54.0}) s.Line(x, 7, x, 11);
    s.Line(19, 8, 54, 8);
    for (double y : {25.0, 30.0, 35.0}) s.Line(57, y, 60, y);
    s.Line(59, 25, 59, 35);
}

void DrawCheckPoints(Sketch& s) {
    for (auto [x, y] : {std::pair{19, 35}, {19, 25}, {38, 25}, {38, 35}}) s.Dot(x, y, 0.6);
    s.Dot(19, 30, 0.5);
    s.Dot(38, 30, 0.5);
    s.Line(29, 28, 29, 32);
}

void DrawSideView(Sketch& s) {
    s.Pen(kBlack, 1.8);
    s.Line(75, 15, 75, 50);
    s.Line(80, 15, 80, 50);
    s.Line(75, 15, 90, 15);
    s.Line(75, 50, 90, 50);
    s.Line(80, 20, 90, 20);
    s.Line(80, 45, 90, 45);
    s.Pen(kBlack);
    s.Line(80, 25, 85, 20);
    s.Line(80, 40, 85, 45);
    s.Line(85, 15, 85, 17);
    s.Line(85, 17, 86, 17);
    s.Line(85, 50, 85, 48);
    s.Line(85, 48, 86, 48);
    for (double y = 20; y <= 45; y += 5) {
        s.Line(75, y, 77, y);
        s.Line(77, y, 77, y - 1);
    }
}

void DrawSideDimensions(Sketch& s) {
    s.Line(71, 25, 71, 40);
    s.Line(70, 25, 72, 25);
    s.Line(70, 40, 72, 40);
    s.Line(80, 53, 85, 53);
    s.Line(80, 52, 80, 55);
    s.Line(85, 52, 85, 55);
    s.Line(87, 24, 87, 42);
    s.Line(83, 24, 89, 24);
    s.Line(83, 42, 89, 42);
    s.Line(83, 40, 86, 40);
    s.Line(85, 40, 85, 42);
    s.Line(75, 25, 80, 25);
    s.Line(75, 40, 80, 40);
}

// Head of an end arrow at a base point; `dir` +1 points to larger x (or y).
void HeadX(Sketch& s, double x, double y, int dir) {
    s.Line(x, y, x - 2 * dir, y - 2);
    s.Line(x, y, x - 2 * dir, y + 2);
}
void HeadY(Sketch& s, double x, double y, int dir) {
    s.Line(x, y, x - 2, y - 2 * dir);
    s.Line(x, y, x + 2, y - 2 * dir);
}
int Sign(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

void DrawSigx(Sketch& s, double sigA, double sigB) {
    if (sigA == 0 && sigB == 0) return;
    const double m = std::abs(sigA) > std::abs(sigB) ? std::abs(sigA) : std::abs(sigB);
    const double tA = 6 + 4 * sigA / m, tB = 6 + 4 * sigB / m;
    s.Pen(kRed);
    s.Line(6, 35, 6, 25);
    s.Line(tA, 35, tB, 25);
    for (int i = 0; i <= 6; ++i) s.Line(tA + (tB - tA) * i / 6, 35 - 10.0 * i / 6, 6, 35 - 10.0 * i / 6);
    // Compression points at the plate (right), tension away from it.
    if (Sign(sigA) != 0) HeadX(s, 6, 35, -Sign(sigA));
    if (Sign(sigB) != 0) HeadX(s, 6, 25, -Sign(sigB));
}

void DrawSigy(Sketch& s, double sigA, double sigC) {
    if (sigA == 0) return;
    const double m = std::max(std::abs(sigA), std::abs(sigC));
    const double yA = 62 - 6 * sigA / m, yC = 62 - 6 * sigC / m;
    s.Pen(kGreen);
    s.Line(20, 62, 37, 62);
    s.Line(20, yA, 37, yC);
    for (int i = 0; i <= 10; ++i) s.Line(20 + 1.7 * i, yA + (yC - yA) * i / 10, 20 + 1.7 * i, 62);
    // Compression points up at the plate, tension down and away from it.
    if (Sign(sigA) != 0) HeadY(s, 20, 62, Sign(sigA));
    if (Sign(sigC) != 0) HeadY(s, 37, 62, Sign(sigC));
}

// Seven arrows of length 4 from x to x + 4; heads at the left end for a pressure
// acting towards the structure on the left (p > 0), at the right end otherwise.
void DrawPressureArrows(Sketch& s, double x, double p) {
    for (int i = 0; i <= 6; ++i) {
        const double y = 35 - 10.0 * i / 6;
        s.Line(x, y, x + 4, y);
        if (p > 0) {
            s.Line(x, y, x + 1.2, y - 0.7);
            s.Line(x, y, x + 1.2, y + 0.7);
        } else if (p < 0) {
            s.Line(x + 4, y, x + 2.8, y - 0.7);
            s.Line(x + 4, y, x + 2.8, y + 0.7);
        }
    }
}

void DrawPressure(Sketch& s, double p) {
    s.Pen(kBlue);
    if (p > 0) DrawPressureArrows(s, 63, p);
    DrawPressureArrows(s, 93, p);
}

void DrawAxes(Sketch& s) {
    s.Pen(kBlack);
    s.Line(5, 60, 10, 60);
    s.Line(10, 60, 9, 59.4);
    s.Line(10, 60, 9, 60.6);
    s.Line(5, 60, 5, 65);
    s.Line(5, 65, 4.4, 64);
    s.Line(5, 65, 5.6, 64);
}

}  // namespace

PanelLoads PanelLoadsOf(const Case& c) {
    return {double(c.SigxA), double(c.SigxB), double(c.SigyA), double(c.SigyC), double(c.p)};
}

std::vector<PanelLabel> PanelLabels(const Case& c) {
    const PanelLoads loads = PanelLoadsOf(c);
    // Each label sits in a gap of the drawing: the plan's labels between its lines,
    // the dimensions' beside their lines, the loads' above their arrows.
    std::vector<PanelLabel> labels = {
        {8, 45, "Lg"},         {26, 9.6, "L1"},    {45, 9.6, "L2"}, {57, 36.2, "s1"}, {57, 21.6, "s2"},
        {15, 40, "A"},         {15, 25, "B"},      {40, 41.2, "C"}, {40, 26.2, "D"},  {15, 33, "1"},
        {30.2, 31.6, "2"},     {40, 31.2, "3"},    {69, 46, "Lt"},  {81, 58, "a"},    {81, 33, "Lgs"},
        {90.6, 40.4, "0.25a"}, {91, 20.9, "p/ps"}, {11, 58.5, "x"}, {6, 65.5, "y"},
    };
    if (loads.SigxA != 0 || loads.SigxB != 0) labels.push_back({1, 19.5, "Sigx"});
    if (loads.SigyA != 0) labels.push_back({40, 67, "Sigy"});
    return labels;
}

QFont PanelLabelFont(const QFont& base, double scale) {
    QFont font = base;
    font.setPixelSize(std::max(1, int(std::lround(kTextHeight * scale))));
    return font;
}

void DrawPanelDrawing(QPainter& p, double x0, double y0, const Case& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const PanelLoads loads = PanelLoadsOf(c);
    Sketch s(p, x0, y0);
    DrawPlan(s);
    DrawPlanDimensions(s);
    DrawCheckPoints(s);
    DrawSideView(s);
    DrawSideDimensions(s);
    DrawSigx(s, loads.SigxA, loads.SigxB);
    DrawSigy(s, loads.SigyA, loads.SigyC);
    DrawPressure(s, loads.p);
    DrawAxes(s);
    p.restore();
}

// The labels are drawn in device units with a font sized on the device, so that
// they stay crisp at any scale.
void DrawPanel(QPainter& p, double x0, double y0, const Case& c) {
    DrawPanelDrawing(p, x0, y0, c);
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QTransform toDevice = p.transform();
    const double scale = std::sqrt(std::abs(toDevice.determinant()));
    p.resetTransform();
    const QFont font = PanelLabelFont(p.font(), scale);
    p.setFont(font);
    p.setPen(kBlack);
    const double ascent = QFontMetricsF(font).ascent();
    for (const PanelLabel& label : PanelLabels(c)) {
        const QPointF at = toDevice.map(QPointF(x0 + label.x, y0 + label.y));
        p.drawText(QPointF(at.x(), at.y() + ascent), label.text);
    }
    p.restore();
}

}  // namespace veltar
