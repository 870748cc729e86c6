// The containers take fixed shares of the window's width (general input 38 %, the
// figure frame 56 % of the rest); the upper band is as tall as its contents need,
// with the figure as tall as 0.65 of its width, and every pixel of height beyond
// that goes to the result list. Run at start-up and on every resize.
#include "ui/arrangement.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLayout>
#include <QTreeWidget>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "ui/control.h"
#include "ui/panelview.h"

namespace veltar {
namespace {

constexpr double kGeneralShare = 0.38;  // fr1 of the window's width
constexpr double kLeftShare = 0.4;      // fr21 and fr22 of fr2's width
constexpr double kFigureShare = 0.56;   // fr31 and fr23 of fr2's width
constexpr double kFigureAspect = 0.65;  // the figure's height over its width
constexpr int kGap = 3;                 // between stacked frames
constexpr int kResultRows = 6;          // rows the result list shows at least

int R(double v) { return int(std::lround(v)); }

QWidget& Child(QWidget& parent, const char* name) { return Control<QWidget>(parent, name); }

// Room a group box needs above its contents for its caption.
int TitleRoom(const QWidget& frame) { return frame.fontMetrics().height() + 4; }

// Widths of the containers for a canvas width.
struct Columns {
    double m;  // the window's margin unit
    int general, geometry, left, figureFrame, figure;

    explicit Columns(double W)
        : m(0.01 * W),
          general(R(kGeneralShare * W)),
          geometry(R((1 - kGeneralShare) * W - 3 * m)),
          left(R(kLeftShare * geometry)),
          figureFrame(R(kFigureShare * geometry)),
          figure(R(0.95 * figureFrame)) {}
};

int GeneralHeight(QWidget& fr1) { return TitleRoom(fr1) + Child(fr1, "pic1").sizeHint().height() + 6; }

// Height fr2 needs when the figure is `figureHeight` high.
int GeometryHeight(QWidget& fr2, int figureHeight) {
    QWidget& pic21 = Child(fr2, "pic21");
    const int figureFrame = Child(fr2, "fr31").sizeHint().height() - pic21.sizeHint().height() + figureHeight;
    const int right = figureFrame + kGap + Child(fr2, "fr23").sizeHint().height();
    const int left = Child(fr2, "fr21").sizeHint().height() + kGap + Child(fr2, "fr22").sizeHint().height();
    return TitleRoom(fr2) + std::max(left, right) + 4;
}

int ResultMinHeight(QWidget& result) {
    auto& list = Control<QTreeWidget>(result, "ListView1");
    const int rows = kResultRows * (list.fontMetrics().height() + 4);
    return TitleRoom(result) + list.header()->sizeHint().height() + rows + 12;
}

void ArrangeGeneral(QWidget& fr1) {
    QWidget& pic1 = Child(fr1, "pic1");
    const int top = std::max(R(0.03 * fr1.height()), TitleRoom(fr1));
    pic1.setGeometry(R(0.025 * fr1.width()), top, R(0.96 * fr1.width()), fr1.height() - top - 4);
}

// Geometry and stresses on the left, the figure with the check mode on the right;
// the frames of each column reach the bottom of fr2. The error frame lies over the
// lower part of the figure while it is shown.
void ArrangeGeometry(QWidget& fr2, const Columns& cols, QSize figure) {
    const int top = TitleRoom(fr2);
    const int bottom = fr2.height() - 4;
    QWidget& fr21 = Child(fr2, "fr21");
    QWidget& fr22 = Child(fr2, "fr22");
    const int left = R(0.5 * cols.m);
    fr21.setGeometry(left, top, cols.left, fr21.sizeHint().height());
    const int y22 = fr21.geometry().bottom() + kGap;
    fr22.setGeometry(left, y22, cols.left, std::max(fr22.sizeHint().height(), bottom - y22));
    auto& pic21 = Control<PanelView>(fr2, "pic21");
    pic21.SetPreferredSize(figure);
    QWidget& fr31 = Child(fr2, "fr31");
    const int x31 = fr21.x() + fr21.width() + R(0.5 * cols.m);
    fr31.setGeometry(x31, top, cols.figureFrame, fr31.sizeHint().height());
    QWidget& fr23 = Child(fr2, "fr23");
    const int y23 = fr31.geometry().bottom() + kGap;
    fr23.setGeometry(x31, y23, cols.figureFrame, std::max(fr23.sizeHint().height(), bottom - y23));
    QWidget& err = Child(fr2, "fr_err");
    const int errHeight = R(0.5 * figure.height());
    err.setGeometry(x31 + 4, top + figure.height() - errHeight + 8, cols.figureFrame - 8, errHeight);
}

void ArrangeResult(QWidget& result) {
    QWidget& list = Child(result, "ListView1");
    const int top = TitleRoom(result);
    const int w = R(0.98 * result.width());
    list.setGeometry((result.width() - w) / 2, top, w, result.height() - top - 6);
}

}  // namespace

void ArrangeContainers(QWidget& canvas) {
    const double W = canvas.width(), H = canvas.height();
    const Columns cols(W);
    QWidget& fr1 = Child(canvas, "fr1");
    QWidget& fr2 = Child(canvas, "fr2");
    QWidget& result = Child(canvas, "Result");
    // The figure keeps its proportions; on a short window it shrinks so that the
    // result list keeps its rows.
    const int bottomMargin = R(cols.m);
    const int room = int(H) - ResultMinHeight(result) - bottomMargin;
    int figureHeight = R(kFigureAspect * cols.figure);
    figureHeight -= std::clamp(GeometryHeight(fr2, figureHeight) - room, 0, figureHeight / 2);
    const QSize figure(std::min(cols.figure, R(figureHeight / kFigureAspect)), figureHeight);
    const int h1 = std::max(GeneralHeight(fr1), GeometryHeight(fr2, figureHeight));
    fr1.setGeometry(R(cols.m), 0, cols.general, h1);
    ArrangeGeneral(fr1);
    fr2.setGeometry(R(kGeneralShare * W + 1.5 * cols.m), 0, cols.geometry, h1);
    ArrangeGeometry(fr2, cols, figure);
    result.setGeometry(R(cols.m), h1 + kGap, R(W - 2.5 * cols.m), std::max(40, int(H) - h1 - kGap - bottomMargin));
    ArrangeResult(result);
}

QSize MinimumCanvasSize(QWidget& canvas) {
    QWidget& fr1 = Child(canvas, "fr1");
    QWidget& fr2 = Child(canvas, "fr2");
    // Each container's share of the width must hold the narrowest its contents allow.
    const int general = Child(fr1, "pic1").minimumSizeHint().width();
    const int left =
        std::max(Child(fr2, "fr21").minimumSizeHint().width(), Child(fr2, "fr22").minimumSizeHint().width());
    const int right =
        std::max(Child(fr2, "fr31").minimumSizeHint().width(), Child(fr2, "fr23").minimumSizeHint().width());
    // fr2 is (1 - 0.38 - 0.03) of the width.
    const double geometryShare = 1 - kGeneralShare - 0.03;
    const double W = std::max({general / (0.96 * kGeneralShare), left / (kLeftShare * geometryShare),
                               right / (kFigureShare * geometryShare)});
    const int width = int(std::ceil(W)) + 2;
    const Columns cols(width);
    const int h1 = std::max(GeneralHeight(fr1), GeometryHeight(fr2, R(kFigureAspect * cols.figure)));
    const int height = h1 + kGap + ResultMinHeight(Child(canvas, "Result")) + R(cols.m);
    return {width, height};
}

}  // namespace veltar
