// Typed values, option buttons and grade lists into the case, each ending in a
// calculation; the case back into the controls. Controls changed from code never
// start a run: the handlers listen to user actions (clicked, activated) only, and
// the one signal that fires from code too (the tab change) is blocked.
#include "ui/inputcontroller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>

#include "core/numformat.h"
#include "core/parse.h"
#include "profiles/materials.h"
#include "ui/control.h"
#include "ui/inputbox.h"
#include "ui/navigation.h"
#include "ui/userio.h"

namespace veltar {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The c-factor texts carry "&&" for a shown "&"; labels show text as it stands.
QString LabelText(const std::string& s) { return QString::fromStdString(s).replace("&&", "&"); }

std::optional<Arrow> ArrowOf(int key) {
    switch (key) {
        case Qt::Key_Up: return Arrow::Up;
        case Qt::Key_Down: return Arrow::Down;
        case Qt::Key_Left: return Arrow::Left;
        case Qt::Key_Right: return Arrow::Right;
        default: return std::nullopt;
    }
}

// Enter in a grade list moves on along the chain; the key goes no further.
class ComboEnter : public QObject {
public:
    ComboEnter(QObject* parent, std::function<void()> onEnter) : QObject(parent), onEnter_(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        onEnter_();
        return true;
    }

private:
    std::function<void()> onEnter_;
};

}  // namespace

InputController::InputController(QWidget& root, Case& c, const Tables& tables, UserIO& io, std::function<void()> recalc)
    : QObject(&root), root_(root), c_(c), tables_(tables), io_(io), recalc_(std::move(recalc)) {
    WireBoxes();
    WireTextBox("iproj", &Case::Project);
    WireTextBox("iident", &Case::Ident);
    WireOptions();
    WireGradeLists();
}

template <class W>
W& InputController::Get(const char* name) const {
    return Control<W>(root_, name);
}

void InputController::SetText(const char* name, const std::string& text) {
    Get<InputBox>(name).setText(QString::fromStdString(text));
}

void InputController::WireBoxes() {
    for (const FieldDef* field : NumericBoxes()) {
        const FieldDef& def = *field;
        InputBox& box = Get<InputBox>(def.box.widget);
        box.SetNavigator([this, &def](int key) { return Navigate(def.box.widget, key); });
        // Stored once the focus has settled, so that a warning's box never meets a
        // focus change that is still under way.
        connect(&box, &InputBox::left, this, [this, &def, &box] {
            if (returningFocus_) return;
            QMetaObject::invokeMethod(
                this, [this, &def, &box] { Commit(def, box); }, Qt::QueuedConnection);
        });
    }
}

void InputController::WireTextBox(const char* name, std::string Case::*field) {
    InputBox& box = Get<InputBox>(name);
    box.SetNavigator([this, name](int key) { return Navigate(name, key); });
    // Enter moves on along the chain, so leaving the box covers it too.
    connect(&box, &InputBox::left, this, [this, &box, field] { c_.*field = box.text().toStdString(); });
}

void InputController::Commit(const FieldDef& def, InputBox& box) {
    const std::optional<float> value = ParseNumber(box.text().toStdString(), c_.DecSep);
    if (!value) {
        WarnAndReturn("Input string mismatch ", box);
        return;
    }
    StoreTyped(c_, def, *value);
    box.setText(QString::fromStdString(Format(RealValue(c_, def), def.box.entryMask, SepOf(c_.DecSep))));
    const bool broken = def.box.HasLimit() && def.box.Breaks(NumericValue(c_, def));
    if (broken) WarnAndReturn(Q(def.box.message), box);
    const std::string_view widget = def.box.widget;
    // An out-of-range unit length waits for the next change before it is calculated.
    if (broken && widget == "iunit_length") return;
    recalc_();
    if (widget == "ips") ShowCase();
}

void InputController::WarnAndReturn(const QString& text, QWidget& box) {
    returningFocus_ = true;
    io_.Warn(text);
    box.setFocus(Qt::OtherFocusReason);
    returningFocus_ = false;
}

// Every activation of a window recalculates; showing the same modal warning again
// on each one would trap the user in a loop of message boxes.
void InputController::Warn(std::string_view text, std::string_view focusBox) {
    const std::array<double, 4> spans{c_.s1, c_.s2, c_.L1, c_.L2};
    if (spans != warnedSpans_) {
        warnedSpans_ = spans;
        warnedTexts_.clear();
    }
    if (std::find(warnedTexts_.begin(), warnedTexts_.end(), text) != warnedTexts_.end()) return;
    warnedTexts_.emplace_back(text);
    returningFocus_ = true;
    io_.Warn(Q(text));
    FocusControl(focusBox);
    returningFocus_ = false;
}

void InputController::FocusControl(std::string_view name) {
    if (QWidget* w = root_.findChild<QWidget*>(Q(name))) w->setFocus(Qt::OtherFocusReason);
}

bool InputController::Navigate(std::string_view from, int key) {
    std::string_view to;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const EnterContext ctx{c_.PlateGradeIndex == tables_.Mat.count, c_.StiffGradeIndex == tables_.Mat.count,
                               c_.BulkheadType == 0};
        to = NextOnEnter(from, ctx);
    } else if (const std::optional<Arrow> arrow = ArrowOf(key)) {
        to = NextOnArrow(from, *arrow);
    }
    if (to.empty()) return false;
    FocusControl(to);
    return true;
}

void InputController::WireOptions() {
    auto onClick = [this](const char* name, auto action) {
        connect(&Get<QAbstractButton>(name), &QAbstractButton::clicked, this, action);
    };
    onClick("opt_cond_a", [this] { SetLoadCondition(0); });
    onClick("opt_cond_b", [this] { SetLoadCondition(1); });
    onClick("opt_cond_c", [this] { SetLoadCondition(2); });
    onClick("optbuckling1", [this] { SetCheckMode(1); });
    onClick("optbuckling2", [this] { SetCheckMode(2); });
    onClick("optBuckling3", [this] { SetCheckMode(3); });
    for (int tab = 0; tab < 3; ++tab) {
        for (i16 option = 0; option < 2; ++option) {
            const QString name = QString("OptC%1%2").arg(tab).arg(option);
            onClick(qPrintable(name), [this, option] {
                c_.EndOption = option;
                recalc_();
            });
        }
    }
    connect(&Get<QTabWidget>("SSTabCfactor"), &QTabWidget::currentChanged, this, [this](int tab) {
        c_.BulkheadType = i16(tab < 2 ? tab : 2);
        recalc_();
    });
    connect(&Get<QCheckBox>("def_chbox"), &QCheckBox::clicked, this, [this](bool ticked) {
        c_.InclDeform = ticked ? 1 : 0;
        recalc_();
    });
    onClick("Command1", [this] {
        c_.p = -c_.p;
        SetText("ip1", Format(c_.p, "##0.000", SepOf(c_.DecSep)));
        recalc_();
    });
}

void InputController::SetLoadCondition(i16 cond) {
    c_.LoadCond = cond;
    if (cond == 0) {
        c_.UFa = 0.6f;
        c_.FS = 1.43f;
    } else if (cond == 1) {
        c_.UFa = 0.8f;
        c_.FS = 1.11f;
        SetText("ifs", Format(c_.FS, "#0.00", SepOf(c_.DecSep)));
    }
    recalc_();
    ShowCase();
}

void InputController::SetCheckMode(i16 mode) {
    c_.CheckMode = mode;
    recalc_();
    ShowCase();
}

void InputController::WireGradeLists() {
    for (bool plate : {true, false}) {
        QComboBox& combo = Get<QComboBox>(plate ? "cbofyp" : "cbofys");
        connect(&combo, &QComboBox::activated, this, [this, plate](int index) { ChooseGrade(plate, index); });
        const char* name = plate ? "cbofyp" : "cbofys";
        combo.installEventFilter(new ComboEnter(&combo, [this, name] { Navigate(name, Qt::Key_Return); }));
    }
}

void InputController::FillGradeLists() {
    for (const char* name : {"cbofyp", "cbofys"}) {
        QComboBox& combo = Get<QComboBox>(name);
        combo.clear();
        for (int i = 0; i <= tables_.Mat.count; ++i) combo.addItem(QString::fromStdString(tables_.Mat.name[size_t(i)]));
    }
}

// The user-defined grade (the last one) unlocks the strength boxes; a table
// grade fills them from the table and locks them.
void InputController::ChooseGrade(bool plate, int index) {
    const i16 grade = i16(index);
    (plate ? c_.PlateGradeIndex : c_.StiffGradeIndex) = grade;
    if (grade != tables_.Mat.count) {
        if (plate)
            SetPlateMaterial(c_, tables_, grade);
        else
            SetStiffenerMaterial(c_, tables_, grade);
        const char sep = SepOf(c_.DecSep);
        SetText(plate ? "ifyp" : "ifys", PlainText(plate ? c_.Fyp : c_.Fys, sep));
        SetText(plate ? "ifup" : "ifus", PlainText(plate ? c_.Fup : c_.Fus, sep));
    }
    ShowGradeBoxes(plate);
    recalc_();
}

void InputController::ShowGradeBoxes(bool plate) {
    const bool userDefined = (plate ? c_.PlateGradeIndex : c_.StiffGradeIndex) == tables_.Mat.count;
    Get<InputBox>(plate ? "ifyp" : "ifys").setEnabled(userDefined);
    Get<InputBox>(plate ? "ifup" : "ifus").setEnabled(userDefined);
}

void InputController::ShowCase() {
    const char sep = SepOf(c_.DecSep);
    Get<InputBox>("iproj").setText(QString::fromStdString(c_.Project));
    Get<InputBox>("iident").setText(QString::fromStdString(c_.Ident));
    const char* conds[] = {"opt_cond_a", "opt_cond_b", "opt_cond_c"};
    Get<QRadioButton>(conds[c_.LoadCond >= 0 && c_.LoadCond <= 2 ? c_.LoadCond : 2]).setChecked(true);
    for (const FieldDef* def : NumericBoxes())
        SetText(def->box.widget, Format(RealValue(c_, *def), def->box.showMask, sep));
    Get<QComboBox>("cbofyp").setCurrentIndex(c_.PlateGradeIndex);
    Get<QComboBox>("cbofys").setCurrentIndex(c_.StiffGradeIndex);
    ShowGradeBoxes(true);
    ShowGradeBoxes(false);
    ShowCFactors();
    const char* modes[] = {"optbuckling1", "optbuckling2", "optBuckling3"};
    Get<QRadioButton>(modes[c_.CheckMode == 1 || c_.CheckMode == 2 ? c_.CheckMode - 1 : 2]).setChecked(true);
    Get<QCheckBox>("def_chbox").setChecked(c_.InclDeform == 1);
}

void InputController::ShowCFactors() {
    const int tab = c_.BulkheadType == 0 || c_.BulkheadType == 1 ? c_.BulkheadType : 2;
    QTabWidget& tabs = Get<QTabWidget>("SSTabCfactor");
    {
        const QSignalBlocker block(tabs);
        tabs.setCurrentIndex(tab);
    }
    const int option = c_.EndOption == 1 ? 1 : 0;
    Get<QRadioButton>(qPrintable(QString("OptC%1%2").arg(tab).arg(option))).setChecked(true);
    Get<QLabel>("ctext0").setText(LabelText(c_.ctext0));
    Get<QLabel>("ctext1").setText(LabelText(c_.ctext1));
    Get<QLabel>("ctext2").setText(LabelText(c_.ctext2));
    if (tab == 0) SetText("iunit_length", Format(c_.UL, "#0", SepOf(c_.DecSep)));
}

void InputController::ShowAfterRun() {
    ShowCFactors();
    const char sep = SepOf(c_.DecSep);
    SetText("ifyp", Format(c_.Fyp, "#000", sep));
    SetText("ifup", Format(c_.Fup, "#000", sep));
    SetText("ifys", Format(c_.Fys, "#000", sep));
    SetText("ifus", Format(c_.Fus, "#000", sep));
    // The deformation check is listed with the buckling checks alone.
    Get<QCheckBox>("def_chbox").setVisible(c_.CheckMode == 1);
}

void InputController::StoreTexts() {
    c_.Project = Get<InputBox>("iproj").text().toStdString();
    c_.Ident = Get<InputBox>("iident").text().toStdString();
}

}  // namespace veltar
