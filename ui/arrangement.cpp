// The containers take fixed shares of the window (general input 38 % of the width,
// the upper band 56 % of the height); the controls inside them keep their layouts.
// Run at start-up and again on every resize so that a resized window keeps the look.
#include "ui/arrangement.h"
#include "ui/control.h"

#include <QGroupBox>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace veltar {
namespace {

int R(double v) { return int(std::lround(v)); }

QWidget& Child(QWidget& parent, const char* name) { return Control<QWidget>(parent, name); }

// Room a group box needs above its contents for its caption.
int TitleRoom(const QWidget& frame) { return frame.fontMetrics().height() + 4; }

void ArrangeGeneral(QWidget& fr1) {
    QWidget& pic1 = Child(fr1, "pic1");
    const int top = std::max(R(0.03 * fr1.height()), TitleRoom(fr1));
    pic1.setGeometry(R(0.025 * fr1.width()), top, R(0.96 * fr1.width()), fr1.height() - top - 4);
}

// Geometry and stresses on the left, the figure with the check mode on the right;
// the error frame lies over the lower part of the figure while it is shown.
void ArrangeGeometry(QWidget& fr2, double m) {
    const int w2 = fr2.width();
    const int top = TitleRoom(fr2);
    QWidget& fr21 = Child(fr2, "fr21");
    QWidget& fr22 = Child(fr2, "fr22");
    const int left = R(0.5 * m);
    const int wLeft = R(0.4 * w2);
    fr21.setGeometry(left, top, wLeft, fr21.sizeHint().height());
    fr22.setGeometry(left, fr21.geometry().bottom() + 3, wLeft,
                     std::max(fr22.sizeHint().height(), fr2.height() - fr21.geometry().bottom() - 7));
    QWidget& fr31 = Child(fr2, "fr31");
    QWidget& pic21 = Child(fr2, "pic21");
    const int w31 = R(0.56 * w2);
    const int wPic = R(0.95 * w31);
    pic21.setFixedSize(wPic, R(0.65 * wPic));
    const int x31 = fr21.x() + fr21.width() + R(0.5 * m);
    fr31.setGeometry(x31, top, w31, fr31.sizeHint().height());
    QWidget& fr23 = Child(fr2, "fr23");
    const int y23 = fr31.geometry().bottom() + 3;
    fr23.setGeometry(x31, y23, w31, std::max(fr23.sizeHint().height(), fr2.height() - y23 - 4));
    QWidget& err = Child(fr2, "fr_err");
    const int errHeight = R(0.5 * pic21.height());
    err.setGeometry(x31 + 4, top + pic21.height() - errHeight + 8, w31 - 8, errHeight);
}

void ArrangeResult(QWidget& result) {
    QWidget& list = Child(result, "ListView1");
    const int h = R(0.9 * result.height());
    const int w = R(0.98 * result.width());
    list.setGeometry((result.width() - w) / 2, R(1.3 * (result.height() - h) / 2), w, h);
}

}  // namespace

void ArrangeContainers(QWidget& canvas) {
    const double W = canvas.width(), H = canvas.height();
    const double m = 0.01 * W;
    const int w1 = R(0.38 * W), h1 = R(0.56 * H);
    QWidget& fr1 = Child(canvas, "fr1");
    fr1.setGeometry(R(m), 0, w1, h1);
    ArrangeGeneral(fr1);
    QWidget& fr2 = Child(canvas, "fr2");
    fr2.setGeometry(R(0.38 * W + 1.5 * m), 0, R((1 - 0.38) * W - 3 * m), h1);
    ArrangeGeometry(fr2, m);
    QWidget& result = Child(canvas, "Result");
    result.setGeometry(R(m), h1, R(W - 2.5 * m), std::max(40, R(H - h1 - 6 * m)));
    ArrangeResult(result);
}

}  // namespace veltar
