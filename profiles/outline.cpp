// Outline of the stiffener on its `se` plate strip: boxes for the built-up kinds, a
// polyline with rounded-off details for the rolled L, the bulb and the trapezoid.
// x runs from the left end of the strip, y up from the underside of the plate.
#include "profiles/outline.h"

#include <initializer_list>

#include "profiles/kinds.h"

namespace veltar {

namespace {

struct Geometry {
    double H, B, tw, tf, t, c;  // c: x of the web centre line
};

void AddRect(StiffOutline& o, double x1, double y1, double x2, double y2) {
    o.rects[o.nRects++] = {{x1, y1}, {x2, y2}};
}

void SetPolyline(StiffOutline& o, std::initializer_list<OutlinePoint> points) {
    for (const OutlinePoint& p : points) o.points[o.nPoints++] = p;
}

void LTableLine(StiffOutline& o, const Geometry& g) {
    const double x1 = g.c - g.tw / 2, x2 = g.c + g.tw / 2, top = g.H + g.t, under = top - g.tf;
    SetPolyline(o, {{x1, g.t},
                    {x2, g.t},
                    {x2, under - 2 * g.tw},
                    {x2 + 0.6 * g.tw, under - 0.6 * g.tw},
                    {x2 + 2 * g.tw, under},
                    {x1 + g.B, under},
                    {x1 + g.B, top},
                    {x1, top},
                    {x1, g.t}});
}

void BulbLine(StiffOutline& o, const Geometry& g, double cb, double r) {
    const double x1 = g.c - g.tw / 2, x2 = g.c + g.tw / 2, top = g.H + g.t;
    SetPolyline(o, {{x1, g.t},
                    {x1, top},
                    {x2 + cb - r, top},
                    {x2 + cb - 0.3 * r, top - 0.3 * r},
                    {x2 + cb, top - r},
                    {x2 + cb - 0.3 * r, top - 1.7 * r},
                    {x2, top - 1.7 * r - 0.58 * (cb - 0.3 * r)},
                    {x2, g.t},
                    {x1, g.t}});
}

void TrapezoidLine(StiffOutline& o, const Geometry& g, double a) {
    const double l = g.c - g.B / 2, r = g.c + g.B / 2, top = g.H + g.t;
    SetPolyline(o, {{l - a, g.t},
                    {l, top},
                    {r, top},
                    {r + a, g.t},
                    {l - a + g.tw, g.t},
                    {l + g.tw, top - g.tw},
                    {r - g.tw, top - g.tw},
                    {r + a - g.tw, g.t}});
}

void ProfileRects(StiffOutline& o, const Geometry& g, OutlineShape shape) {
    const double top = g.H + g.t;
    switch (shape) {
        case OutlineShape::AngleBoxes:
            AddRect(o, g.c - g.tw / 2, g.t, g.c + g.tw / 2, top - g.tf);
            AddRect(o, g.c - g.tw / 2, top - g.tf, g.c - g.tw / 2 + g.B, top);
            break;
        case OutlineShape::TeeBoxes:
            AddRect(o, g.c - g.tw / 2, g.t, g.c + g.tw / 2, top - g.tf);
            AddRect(o, g.c - g.B / 2, top - g.tf, g.c + g.B / 2, top);
            break;
        case OutlineShape::FlatBarBox: AddRect(o, g.c - g.tw / 2, g.t, g.c + g.tw / 2, top); break;
        case OutlineShape::RhsBoxes:
            AddRect(o, g.c - g.B / 2, g.t, g.c + g.B / 2, top);
            AddRect(o, g.c - g.B / 2 + g.tw, g.t + g.tw, g.c + g.B / 2 - g.tw, top - g.tw);
            break;
        case OutlineShape::IBoxes:
            AddRect(o, g.c - g.B / 2, g.t, g.c + g.B / 2, g.t + g.tf);
            AddRect(o, g.c - g.tw / 2, g.t + g.tf, g.c + g.tw / 2, top - g.tf);
            AddRect(o, g.c - g.B / 2, top - g.tf, g.c + g.B / 2, top);
            break;
        default: break;
    }
}

}  // namespace

void BuildOutline(Case& c) {
    const double se = c.se;
    const Geometry g{c.StiffH, c.StiffB, c.StiffTw, c.StiffTf, c.t, se / 2};
    StiffOutline o;
    AddRect(o, 0, 0, se, g.t);  // the plate strip comes first
    const StiffKindDef* kind = StiffKindOf(c.StiffKind);
    const OutlineShape shape = kind ? kind->outline : OutlineShape::None;
    if (shape == OutlineShape::RolledAngle)
        LTableLine(o, g);
    else if (shape == OutlineShape::Bulb)
        BulbLine(o, g, c.StiffC, c.StiffR);
    else if (shape == OutlineShape::Trapezoid)
        TrapezoidLine(o, g, c.StiffC);
    else
        ProfileRects(o, g, shape);
    o.height = g.H + g.t;
    o.seCopy = se;
    o.axisHeight = g.t / 2 + c.zpBu;
    const bool flangeToOneSide = kind && kind->family == SectionFamily::Angle;
    o.axisLabelX = flangeToOneSide ? g.c + 0.3 * g.B : g.c;
    c.Outline = o;
}

}  // namespace veltar
