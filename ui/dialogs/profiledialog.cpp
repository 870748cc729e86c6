// Layout, activation, the figure and closing of a profile dialog. Every change ends
// in the main window's calculation, whose results the dialogs of the current kinds
// then show (ProfileDialogs::ShowAfterRun).
#include "ui/dialogs/profiledialog.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/localcheckview.h"
#include "ui/dialogs/propertytexts.h"
#include "ui/dialogs/sectionview.h"
#include "ui/formparts.h"
#include "ui/mainwindow.h"
#include "ui/userio.h"

namespace veltar {
namespace {

constexpr int kFigureWidth = 280, kFigureHeight = 210;  // the 4:3 of the stored drawings

QGroupBox* Frame(const char* name, const QString& title, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    return frame;
}

}  // namespace

ProfileDialog::ProfileDialog(MainWindow& main, const DialogDef& def) : QDialog(&main), main_(main), def_(def) {
    setObjectName(def.Name());
    setWindowTitle(def.Caption());
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFont(main.font());
}

Case& ProfileDialog::C() const { return main_.CaseRecord(); }
const Tables& ProfileDialog::T() const { return main_.TableSet(); }

bool ProfileDialog::IsCurrent() const { return (def_.IsGirder() ? C().GirdKind : C().StiffKind) == def_.kind; }

void ProfileDialog::Build(const std::function<void(QGridLayout&, int&)>& inputs) {
    const bool girder = def_.IsGirder();
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    columns->addLayout(left);
    QGroupBox* profile = Frame("fr_profile", girder ? "Girder" : "Stiffener", this);
    QGroupBox* plating =
        Frame("fr_plate", girder ? "Girder incl effective plate" : "Stiffener incl effective plate", this);
    QGridLayout* grids[] = {TightGrid(profile), TightGrid(plating)};
    int rows[] = {0, 0};
    inputs(*grids[0], rows[0]);
    const PropertyLines lines = PropertyTexts(C(), def_);
    const std::vector<PropertyLine>* blocks[] = {&lines.profile, &lines.plating};
    for (int b = 0; b < 2; ++b) {
        QWidget* frame = b == 0 ? static_cast<QWidget*>(profile) : plating;
        for (const PropertyLine& line : *blocks[b]) {
            grids[b]->addWidget(Caption(line.caption, frame), rows[b], 0);
            QLabel* value = Caption("", frame);
            value->setObjectName(line.name);
            value->setMinimumWidth(value->fontMetrics().horizontalAdvance("0.000E+00 mm4 (one flange)"));
            grids[b]->addWidget(value, rows[b]++, 1, 1, 2);
            labels_.push_back(value);
        }
        grids[b]->setColumnStretch(1, 1);
    }
    left->addWidget(profile);
    left->addWidget(plating);
    left->addStretch(1);
    columns->addWidget(BuildFigureColumn());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* ProfileDialog::BuildFigureColumn() {
    auto* column = new QWidget(this);
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    figure_ = new SectionView(column);
    figure_->setFixedSize(kFigureWidth, kFigureHeight);
    stack->addWidget(figure_);
    scaleLabel_ = Caption("", column);
    scaleLabel_->setObjectName("figtoscale");
    scaleLabel_->setAlignment(Qt::AlignHCenter);
    stack->addWidget(scaleLabel_);
    if (!def_.IsGirder()) {
        QGroupBox* local = Frame("fr_local", "Local buckling check", column);
        auto* inside = new QVBoxLayout(local);
        localCheck_ = new LocalCheckView(local);
        inside->addWidget(localCheck_);
        stack->addWidget(local);
        connect(figure_, &SectionView::clicked, this, &ProfileDialog::FlipScale);
    }
    stack->addStretch(1);
    auto* ok = new QPushButton("OK", column);
    ok->setObjectName("Command1");
    // Enter belongs to the boxes' chain and the row list, never to the button.
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    stack->addWidget(ok, 0, Qt::AlignRight);
    return column;
}

void ProfileDialog::PlaceOver(const QWidget& main) {
    adjustSize();
    const QRect m = main.frameGeometry();
    move(m.left() + int(0.1 * (m.width() - width())), m.top() + m.height() / 2 - height() / 2);
}

bool ProfileDialog::event(QEvent* e) {
    const bool handled = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate) Activated();
    return handled;
}

// A warning of the dialog's own takes the activation away and gives it back: that
// is no new activation.
void ProfileDialog::Activated() {
    if (closing_ || warnings_ > 0) return;
    ++activations_;
    MakeCurrent();
    main_.Recalculate();
    ShowInputs(true);
    Refresh();
}

void ProfileDialog::Changed() {
    Recompute();
    main_.Recalculate();
}

void ProfileDialog::Warn(const QString& text) {
    ++warnings_;
    main_.IO().Warn(text);
    --warnings_;
}

void ProfileDialog::Refresh() {
    if (closing_) return;
    ShowInputs(false);
    const PropertyLines lines = PropertyTexts(C(), def_);
    size_t i = 0;
    for (const std::vector<PropertyLine>* block : {&lines.profile, &lines.plating})
        for (const PropertyLine& line : *block) labels_[i++]->setText(QString::fromStdString(line.text));
    if (localCheck_) localCheck_->Show(C().FaultText.empty() ? LocalSlendernessOf(C()) : LocalSlenderness{});
    DrawFigure();
}

void ProfileDialog::DrawFigure() {
    const bool toScale = !def_.IsGirder() && C().FigNotToScale == 0;
    scaleLabel_->setText(toScale ? "Figure to Scale" : "Figure not to Scale");
    if (!toScale) {
        figure_->ShowDrawing(def_.Drawing());
        return;
    }
    // A faulted run formed no outline: the box stays empty rather than show an old one.
    if (IsCurrent())
        figure_->ShowToScale(C().FaultText.empty() ? C().Outline : StiffOutline{}, C().StiffKind);
    else
        figure_->ShowToScale(figure_->Outline(), figure_->Kind());
}

void ProfileDialog::FlipScale() {
    C().FigNotToScale = C().FigNotToScale != 0 ? 0 : 1;
    DrawFigure();
}

void ProfileDialog::mousePressEvent(QMouseEvent* e) {
    if (def_.freeAreaFlips && e->button() == Qt::LeftButton) FlipScale();
    QDialog::mousePressEvent(e);
}

void ProfileDialog::closeEvent(QCloseEvent* e) {
    e->accept();
    if (discarding_ || closed_) {
        closed_ = true;
        return;
    }
    closing_ = true;
    TakeOnClosing();
    closed_ = true;
    Recompute();
    main_.Recalculate();
}

void ProfileDialog::reject() { close(); }

void ProfileDialog::Discard() {
    discarding_ = true;
    close();
}

}  // namespace veltar
