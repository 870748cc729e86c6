// The text boxes of a built-up profile dialog: each dimension of the kind's input
// set, its mask, its minimum with the message, the Enter chain, and the check of
// the boxes when the dialog closes.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <span>
#include <vector>

#include "core/case.h"
#include "profiles/kinds.h"
#include "ui/dialogs/dialogtable.h"

class QGridLayout;
class QWidget;

namespace veltar {

class InputBox;

class DimensionBoxes : public QObject {
    Q_OBJECT
public:
    using WarnFn = std::function<void(const QString&)>;

    // Adds a row "H =" [box] "mm" per input to `grid`, from `row` on (advanced past
    // them). `warn` shows a message; `changed` runs after every value taken.
    DimensionBoxes(QWidget& owner, QGridLayout& grid, int& row, const DialogDef& def, Case& c, WarnFn warn,
                   std::function<void()> changed);

    // The input set into the boxes; a box holding an edit not yet taken keeps it.
    void Show();
    // Takes every edit not yet taken, whether its box was left or still has the focus.
    void TakePending();
    // Reads the boxes `which` names again, keeps the values as typed and warns about
    // each one below its closing minimum.
    void CheckOnClosing(ClosingCheck which);

private:
    struct Box {
        const DimInput* input;
        InputBox* edit;
    };
    void Take(Box& box);
    bool FocusNext(size_t from);
    void WarnAndReturn(const QString& text, InputBox& box);
    const char* MaskOf(const DimInput& in) const;
    std::string ValueText(const DimInput& in) const;

    const DialogDef& def_;
    Case& c_;
    WarnFn warn_;
    std::function<void()> changed_;
    std::vector<Box> boxes_;
    InputBox* pending_ = nullptr;  // left, its value not yet taken
    bool returningFocus_ = false;
};

}  // namespace veltar
