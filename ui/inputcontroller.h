// The window side of the case's inputs: typed values into the case with their
// range warnings, the option buttons, tab and grade lists, the Enter and arrow
// chains, and ShowCase writing the whole case back into the controls.
#pragma once

#include <QObject>

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/case.h"
#include "profiles/tables.h"
#include "run/calculate.h"
#include "ui/boxdefs.h"

class QWidget;

namespace veltar {

class InputBox;
class UserIO;

class InputController : public QObject, public CalcEvents {
    Q_OBJECT
public:
    // `recalc` runs the calculation and shows its results.
    InputController(QWidget& root, Case& c, const Tables& tables, UserIO& io, std::function<void()> recalc);

    void FillGradeLists();
    void ShowCase();
    // What a run changes in the input controls: c-factor tab and texts, material
    // boxes and the deformation check box.
    void ShowAfterRun();
    // The project and identification texts into the case, as Save does first.
    void StoreTexts();
    void FocusControl(std::string_view name);

    // Span warnings of the calculation: a modal box, then the focus to the box. A
    // warning already shown for the present spacings and spans is not shown again.
    void Warn(std::string_view text, std::string_view focusBox) override;

private:
    void WireBoxes();
    void WireTextBox(const char* name, std::string Case::*field);
    void WireOptions();
    void WireGradeLists();
    void Commit(const FieldDef& def, InputBox& box);
    void WarnAndReturn(const QString& text, QWidget& box);
    bool Navigate(std::string_view from, int key);
    void ChooseGrade(bool plate, int index);
    void SetLoadCondition(i16 cond);
    void SetCheckMode(i16 mode);
    void ShowCFactors();
    void ShowGradeBoxes(bool plate);
    void SetText(const char* name, const std::string& text);
    template <class W>
    W& Get(const char* name) const;

    QWidget& root_;
    Case& c_;
    const Tables& tables_;
    UserIO& io_;
    std::function<void()> recalc_;
    bool returningFocus_ = false;           // the window itself is moving the focus back
    std::array<double, 4> warnedSpans_{};   // s1, s2, L1, L2 of the warnings shown
    std::vector<std::string> warnedTexts_;  // shown for those spans
};

}  // namespace veltar
