// The figure and the local check of the profile dialogs: the scale toggle, the
// section to scale inside its box whatever decides its size, the stored drawings,
// and the slenderness lines in green or red.
#include <QImage>

#include "dialogfixture.h"
#include "ui/dialogs/localcheckview.h"
#include "ui/dialogs/sectionview.h"

using namespace veltar;

namespace {

bool Inked(QRgb px) { return qRed(px) < 200 || qGreen(px) < 200 || qBlue(px) < 200; }

// Pixels of ink in the box inside the figure's border, less `margin` on each side.
int InkInside(const QImage& image, int margin) {
    int n = 0;
    for (int y = margin; y < image.height() - margin; ++y)
        for (int x = margin; x < image.width() - margin; ++x) n += Inked(image.pixel(x, y));
    return n;
}

QImage Grab(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

void ClickFigure(QWidget* dialog) {
    QTest::mouseClick(dialog->findChild<QWidget*>("pic1"), Qt::LeftButton);
    QCoreApplication::processEvents();
}

}  // namespace

class DialogFigureTest : public QObject {
    Q_OBJECT
private slots:
    void clickFlipsTheScale();
    void toScaleStaysInsideTheBox();
    void localCheckColours();
};

// A stiffener figure flips between the stored drawing and the section to scale;
// the flat-bar table dialog also flips on its free area; a girder never does.
void DialogFigureTest::clickFlipsTheScale() {
    DialogFixture f;
    ProfileDialog* l = f.Dialog("stiffl");
    auto* figure = l->findChild<SectionView*>("pic1");
    QVERIFY(!figure->ToScale() && InkInside(Grab(figure), 0) > 500);
    ClickFigure(l);
    QCOMPARE(int(f.c().FigNotToScale), 0);
    QCOMPARE(f.Label(l, "figtoscale"), QString("Figure to Scale"));
    QVERIFY(figure->ToScale());
    ClickFigure(l);
    QCOMPARE(int(f.c().FigNotToScale), 1);
    QCOMPARE(f.Label(l, "figtoscale"), QString("Figure not to Scale"));

    ProfileDialog* fb = f.Dialog("stifff");
    QTest::mouseClick(fb, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(int(f.c().FigNotToScale), 0);
    QCOMPARE(f.Label(fb, "figtoscale"), QString("Figure to Scale"));

    ProfileDialog* girder = f.Dialog("girdtg");
    ClickFigure(girder);
    QCOMPARE(int(f.c().FigNotToScale), 0);
    QCOMPARE(f.Label(girder, "figtoscale"), QString("Figure not to Scale"));
    QVERIFY(!girder->findChild<SectionView*>("pic1")->ToScale());
}

// Whatever decides the square (the plate strip, the height, a flange or trapezoid
// wider than the strip), the whole drawing with its labels stays clear of the box's
// edges.
void DialogFigureTest::toScaleStaysInsideTheBox() {
    const std::pair<const char*, std::vector<std::pair<const char*, const char*>>> rows[] = {
        {"stifftb", {}},
        {"stifftb", {{"isth", "900"}}},
        {"stifflb", {{"istb", "1500"}}},
        {"stiffusp", {{"istb", "700"}, {"ista", "300"}}},
    };
    for (const auto& [dialog, typed] : rows) {
        DialogFixture f;
        f.c().FigNotToScale = 0;
        ProfileDialog* d = f.Dialog(dialog);
        for (const auto& [box, text] : typed) f.TypeIn(d, box, text);
        auto* figure = d->findChild<SectionView*>("pic1");
        QVERIFY(figure->ToScale());
        const QImage image = Grab(figure);
        // Inside the border (1 pixel), a band of 5 pixels stays white.
        const int inside = InkInside(image, 1), clear = InkInside(image, 6);
        QVERIFY2(clear > 300, dialog);
        QVERIFY2(inside == clear, dialog);
    }
}

// A passing check reads " OK" in green, a failing one " NOK" in red; a closed
// section has no lines.
void DialogFigureTest::localCheckColours() {
    const struct {
        const char* dialog;
        std::vector<std::pair<const char*, const char*>> typed;
        int lines;
    } rows[] = {
        {"stifflb", {}, 2},
        {"stifflb", {{"isttf", "4"}}, 2},  // flange 81/4 = 20.3 fails
        {"stifffb", {{"isttw", "2"}}, 1},  // web 100 fails
        {"stiffhp", {}, 1},
        {"stiffrhs", {}, 0},
    };
    for (const auto& r : rows) {
        DialogFixture f;
        ProfileDialog* d = f.Dialog(r.dialog);
        for (const auto& [box, text] : r.typed) f.TypeIn(d, box, text);
        auto* view = d->findChild<LocalCheckView*>("pic2");
        const LocalSlenderness& shown = view->Shown();
        QCOMPARE(int(shown.flangeText != " ") + int(shown.webText != " "), r.lines);
        QCOMPARE(shown.webText, f.c().WebRatioText);
        const QImage image = Grab(view);
        int red = 0, green = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor px = image.pixelColor(x, y);
                red += px.red() > 90 && px.green() < 40 && px.blue() < 40;
                green += px.green() > 90 && px.red() < 40 && px.blue() < 40;
            }
        const bool flangeFails = shown.flangeText != " " && shown.flange > shown.flangeMax;
        const bool webFails = shown.webText != " " && shown.web > shown.webMax;
        const int passing = int(shown.flangeText != " " && !flangeFails) + int(shown.webText != " " && !webFails);
        QVERIFY2((red > 0) == (flangeFails || webFails), r.dialog);
        QVERIFY2((green > 0) == (passing > 0), r.dialog);
    }
}

QTEST_MAIN(DialogFigureTest)
#include "dialogfigure_test.moc"
