// The panel figure: which diagrams appear for which loads, and where they point.
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "output/panelfigure.h"

using namespace veltar;

namespace {

constexpr double kScale = 8;  // pixels per figure unit
enum Channel { kRed, kGreen, kBlue };

// Pixels in which the channel clearly dominates (antialiased edges included),
// inside a rectangle of figure units.
int Count(const QImage& image, Channel ch, QRectF units) {
    int n = 0;
    const QRect r((units.topLeft() * kScale).toPoint(), (units.bottomRight() * kScale).toPoint());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor px = image.pixelColor(x, y);
            const int v[] = {px.red(), px.green(), px.blue()};
            if (v[ch] - std::max(v[(ch + 1) % 3], v[(ch + 2) % 3]) > 60) ++n;
        }
    return n;
}

// A case with the given edge stresses and pressure.
Case Loaded(double sigxA, double sigxB, double sigyA, double sigyC, double p) {
    Case c;
    c.SigxA = sigxA;
    c.SigxB = float(sigxB);
    c.SigyA = sigyA;
    c.SigyC = float(sigyC);
    c.p = p;
    return c;
}

// The figure drawn at `kScale` on white, `margin` figure units in from the corner.
QImage Drawn(const Case& c, void (*draw)(QPainter&, double, double, const Case&), double margin, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(kScale, kScale);
    draw(p, margin, margin, c);
    p.end();
    return image;
}

}  // namespace

class FigureTest : public QObject {
    Q_OBJECT
private slots:
    void diagramsFollowTheLoads();
    void labelsClearOfTheDrawingAndInsideThePicture();
};

// Pixel counts in areas of the figure for a few loads: at least `min` pixels of
// the channel, or none when `min` is 0. Only the side view shows zero pressure;
// SigxA = -100, SigxB = -50 puts the edge-A arrow tip 4 units left of the base
// line (x = 2), the edge-B tip 2 (x = 4), and nothing right of it; SigyC alone
// draws nothing; compression hangs below the base line; only positive pressure
// also shows beside the plan.
void FigureTest::diagramsFollowTheLoads() {
    struct Row {
        double sigxA, sigxB, sigyA, sigyC, p;
        Channel ch;
        QRectF area;
        int min;
    };
    const QRectF sigx(0, 20, 12, 18), sigy(18, 54, 21, 12);
    const QRectF plan(62, 24, 6, 12), side(92, 24, 6, 12);
    const Row rows[] = {
        {0, 0, 0, 0, 0, kRed, sigx, 0},
        {0, 0, 0, 0, 0, kGreen, sigy, 0},
        {0, 0, 0, 0, 0, kBlue, plan, 0},
        {0, 0, 0, 0, 0, kBlue, side, 21},
        {-100, -50, 0, 0, 0, kRed, {2.1, 34.8, 0.5, 0.4}, 1},
        {-100, -50, 0, 0, 0, kRed, {1.0, 34.5, 0.6, 1.0}, 0},
        {-100, -50, 0, 0, 0, kRed, {4.1, 24.8, 0.5, 0.4}, 1},
        {-100, -50, 0, 0, 0, kRed, {2.2, 24.6, 1.2, 0.8}, 0},
        {-100, -50, 0, 0, 0, kRed, {8.5, 26, 3, 8}, 0},
        {0, 0, 0, -30, 0, kGreen, sigy, 0},
        {0, 0, -30, -30, 0, kGreen, {25, 64, 5, 3}, 1},
        {0, 0, -30, -30, 0, kGreen, {25, 55, 5, 5}, 0},
        {0, 0, 0, 0, 0.03, kBlue, plan, 21},
        {0, 0, 0, 0, -0.03, kBlue, plan, 0},
    };
    for (const Row& r : rows) {
        const QSize size(int(kPanelFigureWidth * kScale), int(kPanelFigureHeight * kScale));
        const QImage image = Drawn(Loaded(r.sigxA, r.sigxB, r.sigyA, r.sigyC, r.p), DrawPanel, 0, size);
        const int n = Count(image, r.ch, r.area);
        QVERIFY2(r.min == 0 ? n == 0 : n >= r.min, qPrintable(QString("row %1: %2 pixels").arg(&r - rows).arg(n)));
    }
}

// For loads of either sign: the drawing stays inside the figure's extent, and no
// line, box or arrow passes through a label's letters, which stay inside it too.
void FigureTest::labelsClearOfTheDrawingAndInsideThePicture() {
    struct Loads {
        double sigxA, sigxB, sigyA, sigyC, p;
    };
    const Loads loads[] = {
        {-100, -100, -30, -30, 0.03}, {100, 50, 30, 60, -0.03}, {-100, 100, 30, -30, 0.2}, {0, 0, 0, 0, 0}};
    constexpr double kMargin = 10;  // figure units of white around the figure's extent
    const QRectF extent(kMargin * kScale, kMargin * kScale, kPanelFigureWidth * kScale, kPanelFigureHeight * kScale);
    const QFontMetricsF metrics(PanelLabelFont(QGuiApplication::font(), kScale));
    for (const Loads& l : loads) {
        const Case c = Loaded(l.sigxA, l.sigxB, l.sigyA, l.sigyC, l.p);
        const int side = int((2 * kMargin + kPanelFigureWidth) * kScale);
        const QImage image = Drawn(c, DrawPanelDrawing, kMargin, QSize(side, side));
        const QString loadsText = QString("loads %1").arg(&l - loads);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255) && !extent.contains(x, y))
                    QFAIL(qPrintable(QString("%1: drawing at %2, %3 outside the figure").arg(loadsText).arg(x).arg(y)));
        for (const PanelLabel& label : PanelLabels(c)) {
            const QRectF ink =
                metrics.tightBoundingRect(label.text)
                    .translated((kMargin + label.x) * kScale, (kMargin + label.y) * kScale + metrics.ascent());
            QVERIFY2(extent.contains(ink), qPrintable(loadsText + ": " + label.text + " passes the figure's edge"));
            int crossed = 0;
            for (int y = int(ink.top()); y <= int(ink.bottom()); ++y)
                for (int x = int(ink.left()); x <= int(ink.right()); ++x)
                    if (image.pixel(x, y) != qRgb(255, 255, 255) && image.pixel(x, y) != qRgb(192, 192, 192))
                        ++crossed;  // the plating's grey is a background, not a line
            QVERIFY2(crossed == 0, qPrintable(QString("%1: %2 pixels of the drawing in the label %3")
                                                  .arg(loadsText)
                                                  .arg(crossed)
                                                  .arg(label.text)));
        }
    }
}

QTEST_MAIN(FigureTest)
#include "figure_test.moc"
