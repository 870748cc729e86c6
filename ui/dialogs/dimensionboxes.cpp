// Typed dimensions into the case. A thickness or an offset below its minimum is
// replaced by the minimum, a height or width below it is kept and calculated: the
// user is warned either way and the focus returns to the box.
#include "ui/dialogs/dimensionboxes.h"

#include <QGridLayout>

#include <limits>
#include <type_traits>

#include "core/numformat.h"
#include "core/parse.h"
#include "ui/formparts.h"
#include "ui/inputbox.h"

namespace veltar {
namespace {

struct DimRule {
    const char* caption;
    const char* mask;
    double min;
    const char* message;
    bool keepsTyped;
    double closingMin;
    const char* closingMessage;
};

constexpr double kNoCheck = -std::numeric_limits<double>::infinity();

const DimRule& RuleOf(DimRole role) {
    static const DimRule rules[] = {
        {"H =", "##0", 5, " H >= 5 ", true, 5, " H >= 5 "},
        {"B =", "##0", 5, " B >= 5 ", true, 5, " B >= 5 "},
        {"tw =", "##0.0", 0.1, " tw >= 0.1 ", false, 1, " tw >= 1 "},
        {"tf =", "##0.0", 0.1, " tf >= 0.1 ", false, 1, " tf >= 1 "},
        {"a =", "##0", 0, " a >= 0 ", false, kNoCheck, ""},
    };
    return rules[static_cast<size_t>(role)];
}

// A typed value is a 32-bit float; a minimum is stored as the member's own constant.
void Store(Case& c, const DimInput& in, double v) {
    std::visit([&c, v](auto m) { c.*m = static_cast<std::remove_reference_t<decltype(c.*m)>>(v); }, in.member);
}

bool CheckedOnClosing(ClosingCheck which, DimRole role) {
    if (which == ClosingCheck::None || role == DimRole::a) return false;
    return which == ClosingCheck::AllButOffset || role == DimRole::H;
}

}  // namespace

DimensionBoxes::DimensionBoxes(QWidget& owner, QGridLayout& grid, int& row, const DialogDef& def, Case& c, WarnFn warn,
                               std::function<void()> changed)
    : QObject(&owner), def_(def), c_(c), warn_(std::move(warn)), changed_(std::move(changed)) {
    for (const DimInput& in : def.Inputs()) {
        InputBox* edit = NumberBox(in.widget, &owner, 6);
        grid.addWidget(Caption(RuleOf(in.role).caption, &owner), row, 0);
        grid.addWidget(edit, row, 1);
        grid.addWidget(Caption("mm", &owner), row, 2);
        ++row;
        boxes_.push_back({&in, edit});
    }
    for (size_t i = 0; i < boxes_.size(); ++i) {
        InputBox* edit = boxes_[i].edit;
        edit->SetNavigator(
            [this, i](int key) { return (key == Qt::Key_Return || key == Qt::Key_Enter) && FocusNext(i); });
        // Taken once the focus has settled, so that a warning's box never meets a
        // focus change that is still under way.
        connect(edit, &InputBox::left, this, [this, i] {
            if (returningFocus_) return;
            pending_ = boxes_[i].edit;
            QMetaObject::invokeMethod(
                this,
                [this, i] {
                    if (pending_ != boxes_[i].edit) return;
                    pending_ = nullptr;
                    Take(boxes_[i]);
                },
                Qt::QueuedConnection);
        });
    }
}

const char* DimensionBoxes::MaskOf(const DimInput& in) const {
    return in.role == DimRole::B && def_.flangeAsThickness ? "##0.0" : RuleOf(in.role).mask;
}

std::string DimensionBoxes::ValueText(const DimInput& in) const {
    const char sep = SepOf(c_.DecSep);
    return std::visit([&](auto m) { return Format(c_.*m, MaskOf(in), sep); }, in.member);
}

void DimensionBoxes::Show() {
    for (Box& b : boxes_)
        if (!b.edit->isModified()) b.edit->setText(QString::fromStdString(ValueText(*b.input)));
}

bool DimensionBoxes::FocusNext(size_t from) {
    boxes_[(from + 1) % boxes_.size()].edit->setFocus(Qt::TabFocusReason);
    return true;
}

void DimensionBoxes::Take(Box& box) {
    const DimRule& rule = RuleOf(box.input->role);
    const std::optional<float> typed = ParseNumber(box.edit->text().toStdString(), c_.DecSep);
    if (!typed) {
        WarnAndReturn("Input string mismatch ", *box.edit);
        return;
    }
    const bool below = double(*typed) < rule.min;
    Store(c_, *box.input, below && !rule.keepsTyped ? rule.min : double(*typed));
    // The box shows the value calculated with, also when the minimum replaced it.
    box.edit->setText(QString::fromStdString(ValueText(*box.input)));
    if (below) WarnAndReturn(rule.message, *box.edit);
    changed_();
}

void DimensionBoxes::TakePending() {
    pending_ = nullptr;
    for (Box& b : boxes_)
        if (b.edit->isModified()) Take(b);
}

void DimensionBoxes::CheckOnClosing(ClosingCheck which) {
    for (Box& b : boxes_) {
        if (!CheckedOnClosing(which, b.input->role)) continue;
        const DimRule& rule = RuleOf(b.input->role);
        const std::optional<float> typed = ParseNumber(b.edit->text().toStdString(), c_.DecSep);
        if (!typed) {
            warn_("Input string mismatch ");
            continue;
        }
        Store(c_, *b.input, *typed);
        b.edit->setText(QString::fromStdString(ValueText(*b.input)));
        if (double(*typed) < rule.closingMin) warn_(rule.closingMessage);
    }
}

void DimensionBoxes::WarnAndReturn(const QString& text, InputBox& box) {
    returningFocus_ = true;
    warn_(text);
    box.setFocus(Qt::OtherFocusReason);
    returningFocus_ = false;
}

}  // namespace veltar
