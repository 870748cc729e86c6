// The panel figure: which diagrams appear for which loads, and where they point.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "output/panelfigure.h"

using namespace veltar;

namespace {

constexpr double kScale = 8;  // pixels per figure unit

QImage Draw(const Case& c) {
    QImage image(int(kPanelFigureWidth * kScale), int(kPanelFigureHeight * kScale),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(kScale, kScale);
    DrawPanel(p, 0, 0, c);
    return image;
}

// Pixels in which the colour's own channel clearly dominates (antialiased edges
// included), inside a rectangle of figure units.
int Count(const QImage& image, QColor colour, QRectF units) {
    auto dominance = [&](const QColor& px) {
        const int r = px.red(), g = px.green(), b = px.blue();
        if (colour == QColor(255, 0, 0)) return r - std::max(g, b);
        if (colour == QColor(0, 255, 0)) return g - std::max(r, b);
        return b - std::max(r, g);
    };
    int n = 0;
    const QRect r((units.topLeft() * kScale).toPoint(), (units.bottomRight() * kScale).toPoint());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (dominance(image.pixelColor(x, y)) > 60) ++n;
    return n;
}

Case Unloaded() {
    Case c;
    c.SigxA = 0;
    c.SigxB = 0.0f;
    c.SigyA = 0;
    c.SigyC = 0.0f;
    c.p = 0;
    return c;
}

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255);
const QRectF kSigxArea(0, 20, 12, 18), kSigyArea(18, 54, 21, 12);
const QRectF kPlanPressure(62, 24, 6, 12), kSidePressure(92, 24, 6, 12);

}  // namespace

class FigureTest : public QObject {
    Q_OBJECT
private slots:
    void unloadedPanelShowsOnlySidePressure();
    void sigxArrowsScaleToLargerStress();
    void sigyNeedsStressAtA();
    void positivePressureAlsoBesideThePlan();
};

void FigureTest::unloadedPanelShowsOnlySidePressure() {
    const QImage image = Draw(Unloaded());
    QCOMPARE(Count(image, kRed, kSigxArea), 0);
    QCOMPARE(Count(image, kGreen, kSigyArea), 0);
    QCOMPARE(Count(image, kBlue, kPlanPressure), 0);
    QVERIFY(Count(image, kBlue, kSidePressure) > 20);
}

// SigxA = -100, SigxB = -50: the edge-A arrow reaches 4 units left of the base
// line, the edge-B arrow 2, and nothing lies right of it.
void FigureTest::sigxArrowsScaleToLargerStress() {
    Case c = Unloaded();
    c.SigxA = -100;
    c.SigxB = -50.0f;
    const QImage image = Draw(c);
    QVERIFY(Count(image, kRed, QRectF(2.1, 34.8, 0.5, 0.4)) > 0);   // tip at A: x = 2
    QCOMPARE(Count(image, kRed, QRectF(1.0, 34.5, 0.6, 1.0)), 0);   // nothing beyond it
    QVERIFY(Count(image, kRed, QRectF(4.1, 24.8, 0.5, 0.4)) > 0);   // tip at B: x = 4
    QCOMPARE(Count(image, kRed, QRectF(2.2, 24.6, 1.2, 0.8)), 0);
    QCOMPARE(Count(image, kRed, QRectF(8.5, 26, 3, 8)), 0);          // no tension side
}

void FigureTest::sigyNeedsStressAtA() {
    Case c = Unloaded();
    c.SigyC = -30.0f;
    QCOMPARE(Count(Draw(c), kGreen, kSigyArea), 0);
    c.SigyA = -30;
    const QImage image = Draw(c);
    // Compression hangs below the base line.
    QVERIFY(Count(image, kGreen, QRectF(25, 64, 5, 3)) > 0);
    QCOMPARE(Count(image, kGreen, QRectF(25, 55, 5, 5)), 0);
}

void FigureTest::positivePressureAlsoBesideThePlan() {
    Case c = Unloaded();
    c.p = 0.03;
    QVERIFY(Count(Draw(c), kBlue, kPlanPressure) > 20);
    c.p = -0.03;
    QCOMPARE(Count(Draw(c), kBlue, kPlanPressure), 0);
}

QTEST_MAIN(FigureTest)
#include "figure_test.moc"
