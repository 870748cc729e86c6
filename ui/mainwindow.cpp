// Start-up, the calculation with its display, and the window's own events
// (first show, resizing, the right-button pop-up).
#include "ui/mainwindow.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

#include <cmath>

#include "core/parse.h"
#include "files/datatables.h"
#include "run/calculate.h"
#include "ui/arrangement.h"
#include "ui/boxtips.h"
#include "ui/control.h"
#include "ui/database/databasecommands.h"
#include "ui/dialogs/profiledialogs.h"
#include "ui/fileactions.h"
#include "ui/forms.h"
#include "ui/help/helpcommands.h"
#include "ui/inputcontroller.h"
#include "ui/panelview.h"
#include "ui/printactions.h"
#include "ui/resultlist.h"
#include "ui/startfolder.h"
#include "ui/statusline.h"
#include "ui/tools/toolcommands.h"
#include "ui/userio.h"

namespace veltar {

MainWindow::MainWindow(UserIO* io, SettingsStore& settings, const QString& exeDir) : io_(io) {
    setObjectName("veltar");
    // The window was laid out for a compact dialog font; larger defaults crowd it.
    QFont compact = font();
    compact.setPointSizeF(8.0);
    setFont(compact);
    if (!io_) {
        ownIO_ = std::make_unique<QtUserIO>(this);
        io_ = ownIO_.get();
    }
    BuildWindow();
    inputs_ = new InputController(*canvas_, case_, tables_, *io_, [this] { Recalculate(); });
    files_ = new FileActions(*this, settings, menus_);
    prints_ = new PrintActions(*this, menus_, FindDataDir(exeDir.toStdString()));
    profiles_ = new ProfileDialogs(*this);
    new HelpCommands(*this, *io_, QString::fromStdString(FindDataDir(exeDir.toStdString())));
    new ToolCommands(*this);
    StartUp(exeDir);
    new DatabaseCommands(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildWindow() {
    menus_ = BuildMenus(*this);
    canvas_ = new QWidget(this);
    canvas_->setObjectName("canvas");
    setCentralWidget(canvas_);
    figure_ = new PanelView(case_);
    BuildGeneralInput(canvas_);
    BuildGeometryStresses(canvas_, figure_);
    BuildResult(canvas_);
    list_ = &Control<QTreeWidget>(*canvas_, "ListView1");
    KeepUserWidths(*list_);
    SetBoxTips(*canvas_);
    status_ = std::make_unique<StatusLine>(*this);
    canvas_->installEventFilter(this);
    for (QWidget* w : canvas_->findChildren<QWidget*>()) w->installEventFilter(this);
}

void MainWindow::StartUp(const QString& exeDir) {
    case_.DecSep = DetectDecimalPoint(QLocale::system().toString(1.1, 'f', 1).toStdString());
    case_.AppPath = FirstDialogFolder(exeDir).toStdString();
    NewCase(case_);
    const Status read = ReadProgramTables(exeDir.toStdString(), tables_);
    tablesRead_ = read.ok;
    if (!read.ok) io_->Warn(QString::fromStdString(read.message));
    if (tablesRead_) PrepareStartupCase(case_, tables_);
    inputs_->FillGradeLists();
    inputs_->ShowCase();
    files_->MarkUnchanged();
    canvas_->setMinimumSize(MinimumCanvasSize(*canvas_));
    SizeForScreen();
    files_->RefreshRecentMenu();
}

void MainWindow::SizeForScreen() {
    const QScreen* screen = this->screen();
    const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    resize(int(std::lround(1024 * dpiX / 96)), int(std::lround(0.95 * 768 * dpiY / 96)));
}

void MainWindow::UpdateCaption() {
    const QString edited = files_ && files_->HasUnsavedChanges() ? "*" : "";
    setWindowTitle("VELTAR: " + QString::fromStdString(case_.FileName) + edited);
}

void MainWindow::Recalculate() {
    if (!tablesRead_) return;
    // A run started while one is under way (from a warning's focus change) is
    // folded into it: the outer run simply runs again, so the last complete run
    // is what the window shows.
    if (running_) {
        rerun_ = true;
        return;
    }
    running_ = true;
    do {
        rerun_ = false;
        Calculate(case_, tables_, *inputs_);
    } while (rerun_);
    running_ = false;
    calculated_ = true;
    ShowResults();
    UpdateCaption();
}

void MainWindow::ShowCaseAndCalculate() {
    inputs_->ShowCase();
    Recalculate();
}

void MainWindow::ShowResults() {
    ShowRows(*list_, case_.Rows);
    auto* err = &Control<QGroupBox>(*canvas_, "fr_err");
    err->setVisible(!case_.FaultText.empty());
    Control<QLabel>(*canvas_, "lab_err").setText(QString::fromStdString(case_.FaultText));
    Control<QLabel>(*canvas_, "stiffprof").setText(QString::fromStdString(case_.stiffprof));
    Control<QLabel>(*canvas_, "girdprof").setText(QString::fromStdString(case_.girdprof));
    inputs_->ShowAfterRun();
    figure_->ShowCase();
    status_->Show(case_);
    // New profile texts may need more room.
    canvas_->setMinimumSize(MinimumCanvasSize(*canvas_));
    profiles_->ShowAfterRun();
}

void MainWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!calculated_)
        QTimer::singleShot(0, this, [this] {
            if (!calculated_) Recalculate();
        });
}

// Exit and the window's close button drop the case: an edited one is offered for saving.
void MainWindow::closeEvent(QCloseEvent* e) {
    if (files_->ConfirmDiscard())
        QMainWindow::closeEvent(e);
    else
        e->ignore();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == canvas_ && e->type() == QEvent::Resize) {
        ArrangeContainers(*canvas_);
        FitColumns(*list_);
        return false;
    }
    // The right button anywhere over the window's contents offers the profiles.
    if (e->type() == QEvent::ContextMenu) return true;
    if (e->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(e);
        if (mouse->button() == Qt::RightButton) {
            menus_.profile->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return false;
}

}  // namespace veltar
