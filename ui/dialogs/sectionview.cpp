// Painting of the figure box.
#include "ui/dialogs/sectionview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "output/sectionfigure.h"

namespace veltar {

SectionView::SectionView(QWidget* parent) : QFrame(parent), svg_(new QSvgRenderer(this)) {
    setObjectName("pic1");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void SectionView::ShowDrawing(const QString& name) {
    toScale_ = false;
    setFrameStyle(QFrame::NoFrame);
    if (name != drawing_) {
        drawing_ = name;
        svg_->load(":/pictures/" + name + ".svg");
        // A drawing keeps its proportions in a box of any shape; the mode belongs to
        // the loaded document, so it is set after each load.
        svg_->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    update();
}

void SectionView::ShowToScale(const StiffOutline& outline, i16 kind) {
    toScale_ = true;
    setFrameStyle(QFrame::Box | QFrame::Plain);
    outline_ = outline;
    kind_ = kind;
    update();
}

void SectionView::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    if (toScale_) {
        DrawStiffenerSection(p, contentsRect().adjusted(2, 2, -2, -2), outline_, kind_);
    } else if (svg_->isValid()) {
        p.setRenderHint(QPainter::Antialiasing, true);
        svg_->render(&p, contentsRect());
    }
}

void SectionView::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit clicked();
    QFrame::mousePressEvent(e);
}

}  // namespace veltar
