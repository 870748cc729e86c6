// The "Geometry & Stresses" container and the "Result" container.
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>
#include <tuple>

#include "ui/control.h"
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
void Pair(QGridLayout* grid, int row, int col, const QString& symbol, const char* box, QWidget* parent) {
    grid->addWidget(Caption(symbol, parent), row, col, Qt::AlignRight);
    grid->addWidget(NumberBox(box, parent, 5), row, col + 1);
}

QGroupBox* BuildGeometry(QWidget* parent) {
    QGroupBox* frame = Frame("fr21", "Geometry (mm)", parent);
    QGridLayout* grid = TightGrid(frame);
    // One box per row, in the order the arrow keys walk them.
    const std::array<std::tuple<const char*, const char*, const char*>, 8> rows{
        {{"Stiffener span: ", "L1 =", "il1"},
         {"", "L2 =", "il2"},
         {"Girder span:", "Lg =", "iLg"},
         {"Plate thickness:", "t =", "it"},
         {"Stiff spacing: ", "s1 =", "is1"},
         {"", "s2 =", "is2"},
         {"Girder span scantling:", "Lgs =", "iLgs"},
         {"Dist betw tripp  brackets:", "Lt =", "iLt"}}};
    for (int r = 0; r < int(rows.size()); ++r) {
        const auto& [text, symbol, box] = rows[size_t(r)];
        grid->addWidget(Caption(text, frame), r, 0);
        Pair(grid, r, 1, symbol, box, frame);
    }
    Control<InputBox>(*frame, "iLgs").setToolTip(" Unsupported span");
    Control<InputBox>(*frame, "iLt").setToolTip(" Recommended max distance 3000 mm ");
    grid->setColumnStretch(3, 1);
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
    Pair(grid, 3, 0, "p =", "ip1", frame);
    grid->addWidget(Caption("(Buckling / Yield)", frame), 3, 2, 1, 2);
    Pair(grid, 4, 0, "ps =", "ips", frame);
    grid->addWidget(Caption("(Scantling)", frame), 4, 2, 1, 2);
    auto* sign = new QPushButton("+/-", frame);
    sign->setObjectName("Command1");
    sign->setAutoDefault(false);
    grid->addWidget(sign, 2, 3);
    Control<InputBox>(*frame, "ip1").setToolTip("(Positive on plate side; 0.10 MPa is about 10 water pressure)");
    Control<InputBox>(*frame, "ips").setToolTip("(Positive on stiffener side; 0.10 MPa is about 10 water pressure)");
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(grid->rowCount(), 1);  // a frame taller than its rows keeps them together
    return frame;
}

QGroupBox* BuildCheckMode(QWidget* parent) {
    QGroupBox* frame = Frame("fr23", "Buckling/Yield/Scantling", parent);
    QGridLayout* grid = TightGrid(frame);
    const std::pair<const char*, const char*> modes[] = {{"optbuckling1", "Buckling "},
                                                         {"optbuckling2", "Scantling / Yield "},
                                                         {"optBuckling3", "Buckling / Scantling /  Yield"}};
    // One column: the frame is as narrow as its longest caption.
    int row = 0;
    for (const auto& [name, text] : modes) {
        auto* option = new QRadioButton(text, frame);
        option->setObjectName(name);
        grid->addWidget(option, row++, 0);
    }
    auto* deform = new QCheckBox("- Include deformation", frame);
    deform->setObjectName("def_chbox");
    grid->addWidget(deform, row, 0);
    grid->setRowStretch(grid->rowCount(), 1);
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
void ProfileRow(QGridLayout* grid, int row, const QString& caption, const char* label, const char* button,
                QWidget* parent) {
    grid->addWidget(Caption(caption, parent), row, 0);
    QLabel* text = Caption("", parent);
    text->setObjectName(label);
    grid->addWidget(text, row, 1);
    auto* picture = new QToolButton(parent);
    picture->setObjectName(button);
    picture->setIconSize(QSize(24, 24));
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
