// The texts come from the engine's summaries; the status bar only shows them, the
// note in the warning colour of the error frame so it is seen without stopping work.
#include "ui/statusline.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "run/summary.h"

namespace veltar {

StatusLine::StatusLine(QMainWindow& window) : governing_(new QLabel), note_(new QLabel) {
    governing_->setObjectName("statusGoverning");
    note_->setObjectName("statusNote");
    note_->setStyleSheet("color: rgb(192, 0, 0);");
    // Long texts are cut at the window's edge rather than widening the window.
    for (QLabel* label : {governing_, note_}) label->setMinimumWidth(1);
    window.statusBar()->addWidget(governing_);
    window.statusBar()->addWidget(note_, 1);
    window.statusBar()->setSizeGripEnabled(true);
}

void StatusLine::Show(const Case& c) {
    governing_->setText(c.FaultText.empty() ? QString::fromStdString(GoverningText(c))
                                            : QString("No results: the calculation stopped"));
    note_->setText(QString::fromStdString(PlausibilityText(c)));
    // A text cut at the window's edge can still be read whole.
    governing_->setToolTip(governing_->text());
    note_->setToolTip(note_->text());
}

}  // namespace veltar
