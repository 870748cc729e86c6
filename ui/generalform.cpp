// The "General Input" container: structure type with its c-factor options, loading
// condition and safety format, material grades, project name and identification.
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/formparts.h"
#include "ui/forms.h"

namespace veltar {
namespace {

QRadioButton* Option(const char* name, const QString& text, QWidget* parent) {
    auto* option = new QRadioButton(text, parent);
    option->setObjectName(name);
    return option;
}

QLabel* CFactorLabel(const char* name, QWidget* parent) {
    QLabel* label = Caption("", parent);
    label->setObjectName(name);
    return label;
}

QWidget* CFactorPage(int tab, const QString& text0, const QString& text1) {
    auto* page = new QWidget;
    QGridLayout* grid = TightGrid(page);
    const QString n = QString::number(tab);
    grid->addWidget(Option(qPrintable("OptC" + n + "0"), text0, page), 0, 0, 1, 4);
    grid->addWidget(Option(qPrintable("OptC" + n + "1"), text1, page), 1, 0, 1, 4);
    if (tab == 0) {
        grid->addWidget(Caption("Unit length  UL =", page), 2, 0);
        InputBox* ul = NumberBox("iunit_length", page, 5);
        ul->setToolTip("c-factor is corrected for unit lengths below 61 m  ");
        grid->addWidget(ul, 2, 1);
        grid->addWidget(Caption("m", page), 2, 2);
    }
    grid->addWidget(CFactorLabel(qPrintable("ctext" + n), page), 3, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QTabWidget* BuildCFactorTab(QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName("SSTabCfactor");
    tabs->setUsesScrollButtons(false);
    tabs->setStyleSheet("QTabBar::tab { padding: 2px 5px; }");
    tabs->addTab(CFactorPage(0, "Stiffener: ends attached", "Stiffener: no end attachment"), "Watertight Bukhead");
    tabs->addTab(CFactorPage(1, "Stiffener: clip attachment", "Stiffener: supported at both ends by girder"),
                 "Tank Bulkhead");
    tabs->addTab(CFactorPage(2, "Clear of tanks", "In way of tanks"), "Upper Structure");
    return tabs;
}

// The options side by side above the two values, so that the long captions of
// the values do not share a row with an option.
QGroupBox* BuildLoadingCondition(QWidget* parent) {
    auto* frame = new QGroupBox("Loading condition / Safety Format", parent);
    frame->setObjectName("fr10");
    QGridLayout* grid = TightGrid(frame);
    auto* options = new QHBoxLayout;
    options->addWidget(Option("opt_cond_a", "Cond. A (static)", frame));
    options->addWidget(Option("opt_cond_b", "Cond. B (comb.)", frame));
    options->addWidget(Option("opt_cond_c", "Cond. C (other)", frame));
    options->addStretch(1);
    grid->addLayout(options, 0, 0, 1, 4);
    grid->addWidget(Caption("Factor of Safety F.S. =", frame), 1, 0, Qt::AlignRight);
    grid->addWidget(NumberBox("ifs", frame, 5), 1, 1);
    grid->addWidget(Caption("(yield)", frame), 1, 2);
    grid->addWidget(Caption("Max Allow Utiliz. Factor =", frame), 2, 0, Qt::AlignRight);
    grid->addWidget(NumberBox("iufa", frame, 5), 2, 1);
    grid->addWidget(Caption("(buckling)", frame), 2, 2);
    grid->setColumnStretch(3, 1);
    return frame;
}

QComboBox* GradeList(const char* name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    // As wide as its longest grade: a layout short of room may not cut "User defined".
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    return combo;
}

// A strength pair "Fyp= [ ] Fup= [ ]" on one row.
QHBoxLayout* Strengths(const char* yieldCaption, const char* yieldBox, const char* tensileCaption,
                       const char* tensileBox, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->addWidget(Caption(yieldCaption, parent));
    row->addWidget(NumberBox(yieldBox, parent, 5));
    row->addSpacing(6);
    row->addWidget(Caption(tensileCaption, parent));
    row->addWidget(NumberBox(tensileBox, parent, 5));
    row->addStretch(1);
    return row;
}

// Each grade list on a row of its own, as wide as its longest grade name, with its
// strengths below it.
QGroupBox* BuildMaterial(QWidget* parent) {
    auto* frame = new QGroupBox("Material / MPa", parent);
    frame->setObjectName("fr11");
    QGridLayout* grid = TightGrid(frame);
    grid->addWidget(Caption("Plate/Girder:", frame), 0, 0);
    grid->addWidget(GradeList("cbofyp", frame), 0, 1, Qt::AlignLeft);
    grid->addLayout(Strengths("Fyp=", "ifyp", "Fup=", "ifup", frame), 1, 1);
    grid->addWidget(Caption("Stiffener:", frame), 2, 0);
    grid->addWidget(GradeList("cbofys", frame), 2, 1, Qt::AlignLeft);
    grid->addLayout(Strengths("Fys=", "ifys", "Fus=", "ifus", frame), 3, 1);
    grid->addWidget(Caption("Youngs modulus E:", frame), 4, 0);
    grid->addWidget(NumberBox("ie", frame, 8), 4, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    return frame;
}

// A project file holds these texts between double quotes, with no escaping: the
// boxes refuse the quote so that a saved file reads back.
InputBox* TextBox(const char* name, QWidget* parent) {
    auto* box = new InputBox(name, parent);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression("[^\"]*"), box));
    return box;
}

QWidget* BuildIdentification(QWidget* parent) {
    auto* block = new QWidget(parent);
    QGridLayout* grid = TightGrid(block);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Caption("Project name:", block), 0, 0);
    grid->addWidget(TextBox("iproj", block), 0, 1);
    grid->addWidget(Caption("Identification:", block), 1, 0);
    grid->addWidget(TextBox("iident", block), 1, 1);
    return block;
}

}  // namespace

QGroupBox* BuildGeneralInput(QWidget* parent) {
    auto* fr1 = new QGroupBox("General Input", parent);
    fr1->setObjectName("fr1");
    auto* pic1 = new QWidget(fr1);
    pic1->setObjectName("pic1");
    auto* column = new QVBoxLayout(pic1);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);
    column->addWidget(BuildCFactorTab(pic1));
    column->addWidget(BuildLoadingCondition(pic1));
    column->addWidget(BuildMaterial(pic1));
    column->addWidget(BuildIdentification(pic1));
    column->addStretch(1);
    return fr1;
}

}  // namespace veltar
