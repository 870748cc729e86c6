// The section to scale: the square's size against the strip and the height, and
// every part of the figure inside its box, wide flanges on narrow strips included.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "output/sectionfigure.h"
#include "profiles/outline.h"

using namespace veltar;

namespace {

constexpr int kBox = 300;     // the figure's square, in pixels
constexpr int kMargin = 100;  // white space around it that must stay white

struct Profile {
    const char* name;
    i16 kind;
    double H, B, tw, tf, c, r;
    float se;
    double expectedSide;  // 1.8 times the deciding size
};

Case Outlined(const Profile& p) {
    Case c;
    c.StiffKind = p.kind;
    c.StiffH = p.H;
    c.StiffB = p.B;
    c.StiffTw = p.tw;
    c.StiffTf = p.tf;
    c.StiffC = p.c;
    c.StiffR = p.r;
    c.t = 20;
    c.se = p.se;
    c.zpBu = 30;
    BuildOutline(c);
    return c;
}

bool Inked(QRgb px) { return qRed(px) < 200 || qGreen(px) < 200 || qBlue(px) < 200; }

}  // namespace

class SectionTest : public QObject {
    Q_OBJECT
private slots:
    void squareAndBounds();
};

void SectionTest::squareAndBounds() {
    const Profile rows[] = {
        // The strip decides: se = 625 > H + t = 120.
        {"L table", kLTable, 100, 75, 7, 7, 0, 0, 625, 1.8 * 625},
        // The height decides: H + t = 820 > se = 300.
        {"T built-up", kTBuilt, 800, 200, 10, 20, 0, 0, 300, 1.8 * 820},
        // Equal: the height decides.
        {"flat bar", kFbBuilt, 280, 0, 10, 0, 0, 0, 300, 1.8 * 300},
        {"bulb", kBulb, 220, 37, 10, 26, 31, 10, 425, 1.8 * 425},
        {"RHS", kRhs, 200, 90, 9, 9, 0, 0, 500, 1.8 * 500},
        {"I built-up", kIBuilt, 200, 90, 9, 12, 0, 0, 100, 1.8 * 220},
        // Flange and trapezoid wider than the strip: the outline's width decides.
        {"wide L flange", kLBuilt, 100, 400, 9, 12, 0, 0, 100, 1.8 * (50 - 4.5 + 400)},
        {"wide trapezoid", kTrapezoid, 100, 200, 9, 9, 80, 0, 150, 1.8 * 360},
    };
    for (const Profile& p : rows) {
        const Case c = Outlined(p);
        QVERIFY2(qAbs(SectionSquareSide(c.Outline) - p.expectedSide) < 1e-9,
                 qPrintable(QString("%1: side %2").arg(p.name).arg(SectionSquareSide(c.Outline))));
        QImage image(kBox + 2 * kMargin, kBox + 2 * kMargin, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawStiffenerSection(painter, QRectF(kMargin, kMargin, kBox, kBox), c);
        painter.end();
        int inside = 0, outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (!Inked(image.pixel(x, y))) continue;
                const bool in = x >= kMargin && x < kMargin + kBox && y >= kMargin && y < kMargin + kBox;
                ++(in ? inside : outside);
            }
        QVERIFY2(inside > 200, p.name);
        QVERIFY2(outside == 0, qPrintable(QString("%1: %2 pixels outside the square").arg(p.name).arg(outside)));
    }
}

QTEST_MAIN(SectionTest)
#include "section_test.moc"
