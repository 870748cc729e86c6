// The stiffener section to scale. Outline coordinates are mm with x from the left
// end of the plate strip and y from the plate's outer face towards the profile's
// top; drawn with y growing downwards, so the plate lies on top.
#include "output/sectionfigure.h"

#include <QFontMetricsF>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "profiles/kinds.h"

namespace veltar {
namespace {

constexpr double kLabelPoints = 11;
const QColor kOutline(0, 0, 0);
const QColor kDimension(0, 0, 160);
const QColor kAxis(200, 0, 0);

int RectCount(const StiffOutline& o) { return std::clamp(o.nRects, 0, int(o.rects.size())); }
int PointCount(const StiffOutline& o) { return std::clamp(o.nPoints, 0, int(o.points.size())); }

struct Extent {
    double xmin, xmax;
};

Extent HorizontalExtent(const StiffOutline& o) {
    Extent e{0, o.seCopy};
    auto take = [&e](const OutlinePoint& q) {
        e.xmin = std::min(e.xmin, q.x);
        e.xmax = std::max(e.xmax, q.x);
    };
    for (int i = 0; i < RectCount(o); ++i) {
        take(o.rects[size_t(i)].a);
        take(o.rects[size_t(i)].b);
    }
    for (int i = 0; i < PointCount(o); ++i) take(o.points[size_t(i)]);
    return e;
}

// Line widths follow the device so that a printed figure is as legible as the
// on-screen one: one screen pixel, at least one device pixel.
QPen Pen(const QPainter& p, const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
    const double dpi = p.device() ? p.device()->logicalDpiX() : 96;
    QPen pen(colour, std::max(1.0, dpi / 96.0), style);
    pen.setCosmetic(true);
    return pen;
}

bool UsesPolyline(i16 kind) {
    const StiffKindDef* def = StiffKindOf(kind);
    return def && def->DrawnAsPolyline();
}

// Annotation in section mm around the outline placed at (x0, y0). Labels are
// drawn untransformed at their point size and anchored outside the outline.
class Annotator {
public:
    Annotator(QPainter& p, double x0, double y0, double m) : p_(p), x0_(x0), y0_(y0), m_(m) {
        font_ = p.font();
        font_.setPointSizeF(kLabelPoints);
        const QFontMetricsF fm(font_, p.device());
        const double k = std::sqrt(std::abs(p.transform().determinant()));
        textH_ = fm.height() / k;
        textW_ = fm.horizontalAdvance("H") / k;
    }

    void Line(double xa, double ya, double xb, double yb) {
        p_.drawLine(QPointF(x0_ + xa, y0_ + ya), QPointF(x0_ + xb, y0_ + yb));
    }
    // Text centred on (x, y) of the section.
    void Label(double x, double y, const QString& text) {
        const QPointF at = p_.transform().map(QPointF(x0_ + x, y0_ + y));
        const QFontMetricsF fm(font_, p_.device());
        p_.save();
        p_.resetTransform();
        p_.setFont(font_);
        p_.setPen(Qt::black);
        p_.drawText(QPointF(at.x() - fm.horizontalAdvance(text) / 2, at.y() + (fm.ascent() - fm.descent()) / 2), text);
        p_.restore();
    }
    double TextH() const { return textH_; }
    double TextW() const { return textW_; }
    double M() const { return m_; }

private:
    QPainter& p_;
    double x0_, y0_, m_;
    QFont font_;
    double textH_ = 0, textW_ = 0;
};

void DrawDimensions(QPainter& p, Annotator& a, const StiffOutline& o, const Extent& e) {
    const double m = a.M(), tick = 0.03 * m;
    const double t = o.rects[0].b.y, se = o.seCopy, top = o.height;
    p.setPen(Pen(p, kDimension));
    const double yse = -0.1 * m;
    a.Line(0, yse, se, yse);
    a.Line(0, yse - tick, 0, yse + tick);
    a.Line(se, yse - tick, se, yse + tick);
    a.Label(se / 2, yse - 0.6 * a.TextH(), "se");
    const double xh = e.xmin - 0.1 * m;
    a.Line(xh, t, xh, top);
    a.Line(xh - tick, t, xh + tick, t);
    a.Line(xh - tick, top, xh + tick, top);
    a.Label(xh - 0.9 * a.TextW(), (t + top) / 2, "H");
}

void DrawAxes(QPainter& p, Annotator& a, const StiffOutline& o, const Extent& e) {
    const double m = a.M();
    p.setPen(Pen(p, kAxis, Qt::DashDotLine));
    a.Line(e.xmin - 0.05 * m, o.axisHeight, e.xmax + 0.1 * m, o.axisHeight);
    a.Label(e.xmax + 0.1 * m + 0.9 * a.TextW(), o.axisHeight, "Y");
    a.Line(o.axisLabelX, -0.05 * m, o.axisLabelX, o.height + 0.08 * m);
    a.Label(o.axisLabelX, o.height + 0.08 * m + 0.6 * a.TextH(), "Z");
}

}  // namespace

void DrawOutlineRects(QPainter& p, double x0, double y0, const StiffOutline& outline) {
    for (int i = 0; i < RectCount(outline); ++i) {
        const OutlineRect& r = outline.rects[size_t(i)];
        p.drawRect(QRectF(QPointF(x0 + r.a.x, y0 + r.a.y), QPointF(x0 + r.b.x, y0 + r.b.y)).normalized());
    }
}

void DrawOutlinePolyline(QPainter& p, double x0, double y0, const StiffOutline& outline) {
    QPolygonF line;
    for (int i = 0; i < PointCount(outline); ++i)
        line << QPointF(x0 + outline.points[size_t(i)].x, y0 + outline.points[size_t(i)].y);
    p.drawPolyline(line);
    if (RectCount(outline) > 0) {
        const OutlineRect& plate = outline.rects[0];
        p.drawRect(QRectF(QPointF(x0 + plate.a.x, y0 + plate.a.y), QPointF(x0 + plate.b.x, y0 + plate.b.y)));
    }
}

double SectionSquareSide(const StiffOutline& outline) {
    const Extent e = HorizontalExtent(outline);
    // Equal strip and height: the height decides, as the strip adds nothing.
    return 1.8 * std::max({outline.height, double(outline.seCopy), e.xmax - e.xmin});
}

void DrawStiffenerSection(QPainter& p, const QRectF& box, const Case& c) {
    DrawStiffenerSection(p, box, c.Outline, c.StiffKind);
}

void DrawStiffenerSection(QPainter& p, const QRectF& box, const StiffOutline& o, i16 kind) {
    const double side = SectionSquareSide(o);
    if (!(o.height > 0) || RectCount(o) == 0 || !std::isfinite(side) || box.isEmpty()) return;
    const double px = std::min(box.width(), box.height());
    const Extent e = HorizontalExtent(o);
    const double m = side / 1.8;
    // Centred across: the strip, or the whole outline where it reaches beyond it.
    const double x0 = 0.9 * m - (e.xmin + e.xmax) / 2;
    const double y0 = 0.9 * m - 0.4 * o.height;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.translate(box.center() - QPointF(px / 2, px / 2));
    p.scale(px / side, px / side);
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(p, kOutline));
    if (UsesPolyline(kind))
        DrawOutlinePolyline(p, x0, y0, o);
    else
        DrawOutlineRects(p, x0, y0, o);
    Annotator a(p, x0, y0, m);
    DrawDimensions(p, a, o, e);
    DrawAxes(p, a, o, e);
    p.restore();
}

}  // namespace veltar
