// The "Geometry & Stresses" container and the "Result" container.
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/formparts.h"
#include "ui/forms.h"

namespace veltar {
namespace {

QGroupBox* Frame(const char* name, const QString& title, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    return frame;
}

// One "label symbol = box" pair at a grid position.
void Pair(QGridLayout* grid, int row, int col, const QString& symbol, const char* box,
          QWidget* parent) {
    grid->addWidget(Caption(symbol, parent), row, col, Qt::AlignRight);
    grid->addWidget(NumberBox(box, parent, 6), row, col + 1);
}

QGroupBox* BuildGeometry(QWidget* parent) {
    QGroupBox* frame = Frame("fr21", "Geometry (mm)", parent);
    QGridLayout* grid = TightGrid(frame);
    const char* rows[] = {"Stiffener span: ", "Girder span:", "Plate thickness:",
                          "Stiff spacing: ", "Girder span scantling:", "Dist betw tripp  brackets:"};
    for (int r = 0; r < 6; ++r) grid->addWidget(Caption(rows[r], frame), r, 0);
    Pair(grid, 0, 1, "L1 =", "il1", frame);
    Pair(grid, 0, 3, "L2 =", "il2", frame);
    Pair(grid, 1, 1, "Lg =", "iLg", frame);
    Pair(grid, 2, 1, "t =", "it", frame);
    Pair(grid, 3, 1, "s1 =", "is1", frame);
    Pair(grid, 3, 3, "s2 =", "is2", frame);
    Pair(grid, 4, 1, "Lgs =", "iLgs", frame);
    Pair(grid, 5, 1, "Lt =", "iLt", frame);
    frame->findChild<InputBox*>("iLgs")->setToolTip(" Unsupported span");
    frame->findChild<InputBox*>("iLt")->setToolTip(" Recommended max distance 3000 mm ");
    grid->setColumnStretch(5, 1);
    return frame;
}

QGroupBox* BuildStresses(QWidget* parent) {
    QGroupBox* frame = Frame("fr22", "Stresses (MPa)", parent);
    QGridLayout* grid = TightGrid(frame);
    Pair(grid, 0, 0, "SigxA =", "isigx1", frame);
    Pair(grid, 0, 2, "SigxB =", "isigx2", frame);
    Pair(grid, 1, 0, "SigyA =", "isigy1", frame);
    Pair(grid, 1, 2, "SigyC =", "isigy3", frame);
    Pair(grid, 2, 0, "Tau =", "itau1", frame);
    auto* sign = new QPushButton("+/-", frame);
    sign->setObjectName("Command1");
    sign->setAutoDefault(false);
    grid->addWidget(sign, 3, 3);
    Pair(grid, 3, 0, "p =", "ip1", frame);
    grid->addWidget(Caption("(Buckling / Yield)", frame), 4, 1, 1, 3);
    Pair(grid, 5, 0, "ps =", "ips", frame);
    grid->addWidget(Caption("(Scantling)", frame), 6, 1, 1, 3);
    frame->findChild<InputBox*>("ip1")->setToolTip(
        "(Positive on plate side; 0.10 MPa is about 10 water pressure)");
    frame->findChild<InputBox*>("ips")->setToolTip(
        "(Positive on stiffener side; 0.10 MPa is about 10 water pressure)");
    grid->setColumnStretch(4, 1);
    return frame;
}

QGroupBox* BuildCheckMode(QWidget* parent) {
    QGroupBox* frame = Frame("fr23", "Buckling/Yield/Scantling", parent);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(6, 2, 6, 2);
    column->setSpacing(0);
    const std::pair<const char*, const char*> modes[] = {
        {"optbuckling1", "Buckling "},
        {"optbuckling2", "Scantling / Yield "},
        {"optBuckling3", "Buckling / Scantling /  Yield"}};
    for (const auto& [name, text] : modes) {
        auto* option = new QRadioButton(text, frame);
        option->setObjectName(name);
        column->addWidget(option);
    }
    auto* deform = new QCheckBox("- Include deformation", frame);
    deform->setObjectName("def_chbox");
    column->addWidget(deform);
    return frame;
}

QGroupBox* BuildError(QWidget* parent) {
    QGroupBox* frame = Frame("fr_err", "Error", parent);
    auto* column = new QVBoxLayout(frame);
    QLabel* text = Caption("", frame);
    text->setObjectName("lab_err");
    text->setWordWrap(true);
    text->setStyleSheet("color: rgb(255, 0, 0);");
    column->addWidget(text);
    frame->setAutoFillBackground(true);
    frame->hide();
    return frame;
}

// A profile row of the figure frame: caption, description label and picture button.
void ProfileRow(QGridLayout* grid, int row, const QString& caption, const char* label,
                const char* button, QWidget* parent) {
    grid->addWidget(Caption(caption, parent), row, 0);
    QLabel* text = Caption("", parent);
    text->setObjectName(label);
    grid->addWidget(text, row, 1);
    auto* picture = new QToolButton(parent);
    picture->setObjectName(button);
    picture->setEnabled(false);  // the profile dialogs it opens are not there yet
    grid->addWidget(picture, row, 2);
}

QGroupBox* BuildFigure(QWidget* parent, QWidget* figure) {
    QGroupBox* frame = Frame("fr31", "Figure", parent);
    QGridLayout* grid = TightGrid(frame);
    figure->setParent(frame);
    grid->addWidget(figure, 0, 0, 1, 3, Qt::AlignHCenter);
    ProfileRow(grid, 1, "Stiffener profile:", "stiffprof", "cmdpicStiff", frame);
    ProfileRow(grid, 2, "Girder profile:", "girdprof", "cmdpicGird", frame);
    grid->setColumnStretch(1, 1);
    return frame;
}

}  // namespace

QGroupBox* BuildGeometryStresses(QWidget* parent, QWidget* figure) {
    QGroupBox* fr2 = Frame("fr2", "Geometry && Stresses", parent);
    BuildGeometry(fr2);
    BuildStresses(fr2);
    BuildCheckMode(fr2);
    BuildFigure(fr2, figure);
    BuildError(fr2)->raise();
    return fr2;
}

QGroupBox* BuildResult(QWidget* parent) {
    QGroupBox* frame = Frame("Result", "Result", parent);
    auto* list = new QTreeWidget(frame);
    list->setObjectName("ListView1");
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHeaderLabels({"Control", "Interaction Ratio", "Reference "});
    list->header()->setStretchLastSection(false);
    return frame;
}

}  // namespace veltar
