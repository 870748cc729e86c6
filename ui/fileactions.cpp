// The file commands. Reading and writing are the engine's; this adds the dialogs,
// the messages, the recent list and the refresh of the window. A failed read or
// write leaves the case and the window as they were.
#include "ui/fileactions.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "files/projectfile.h"
#include "run/calculate.h"
#include "run/reopen.h"
#include "ui/control.h"
#include "ui/dialogs/profiledialogs.h"
#include "ui/inputbox.h"
#include "ui/inputcontroller.h"
#include "ui/mainwindow.h"
#include "ui/userio.h"

namespace veltar {
namespace {

constexpr const char* kNewFile = "New File";

FileDialogSettings ProjectDialog(const QString& title, const QString& initialName, const std::string& startFolder,
                                 bool confirmOverwrite) {
    return {title, initialName, "velta", QString::fromStdString(startFolder), confirmOverwrite};
}

}  // namespace

FileActions::FileActions(MainWindow& window, SettingsStore& store, const MainMenus& menus)
    : QObject(&window), window_(window), store_(store), menus_(menus) {
    connect(menus_.newCase, &QAction::triggered, this, &FileActions::New);
    connect(menus_.open, &QAction::triggered, this, &FileActions::Open);
    connect(menus_.save, &QAction::triggered, this, &FileActions::Save);
    connect(menus_.saveAs, &QAction::triggered, this, &FileActions::SaveAs);
    connect(menus_.exit, &QAction::triggered, &window_, &QWidget::close);
    for (int n = 1; n <= 4; ++n)
        connect(menus_.recent[size_t(n)], &QAction::triggered, this, [this, n] { OpenRecent(n); });
    // The two text boxes store without a calculation; the caption follows them here,
    // after the store (the input controller connected first).
    for (const char* name : {"iproj", "iident"})
        connect(&Control<InputBox>(window_, name), &InputBox::left, this, [this] { window_.UpdateCaption(); });
}

// The new case is the start-up case: defaults with the table grades, the stiffener
// section and the girder section formed, so the first run has what it reads.
void FileActions::New() {
    if (!ConfirmDiscard()) return;
    Case& c = window_.CaseRecord();
    NewCase(c);
    PrepareStartupCase(c, window_.TableSet());
    window_.ShowCaseAndCalculate();
    MarkUnchanged();
}

void FileActions::Open() {
    if (!ConfirmDiscard()) return;
    Case& c = window_.CaseRecord();
    const QString path = window_.IO().OpenPath(ProjectDialog("velta", "*.velta", c.AppPath, false));
    if (path.isEmpty()) return;
    const bool same = path.toStdString() == c.FileName;
    if (!OpenFile(path)) return;
    SetAppPathToFolderOf(path);
    if (same) return;
    AddRecentOnOpen(store_, recent_, path.toStdString());
    RefreshRecentMenu();
}

bool FileActions::OpenFile(const QString& path) {
    Case& c = window_.CaseRecord();
    const Status read = ReadProjectFile(c, window_.TableSet(), path.toStdString());
    if (!read) {
        window_.IO().Warn(QString::fromStdString(read.message));
        return false;
    }
    // The dialogs reopen from the case just read; closing them takes nothing from
    // their boxes, which still hold the case before.
    window_.Profiles().DiscardAll();
    RecalculateOpened(c, window_.TableSet());
    window_.ShowCaseAndCalculate();
    MarkUnchanged();
    return true;
}

void FileActions::OpenRecent(int n) {
    if (!ConfirmDiscard()) return;
    Case& c = window_.CaseRecord();
    const std::string path = RecentItemPath(recent_, n);
    const std::string folder = RecentFolder(path);
    if (path != c.FileName) {
        PromoteRecent(store_, path, n);
        RefreshRecentMenu();
    }
    if (!OpenFile(QString::fromStdString(path))) return;
    if (!folder.empty()) c.AppPath = folder;
}

bool FileActions::Save() {
    Case& c = window_.CaseRecord();
    window_.Inputs().StoreTexts();
    if (c.FileName != kNewFile) return Write(c.FileName);
    const QString path = window_.IO().SavePath(ProjectDialog("*.velta", "*.velta", "", false));
    if (path.isEmpty() || !Write(path.toStdString())) return false;
    SetAppPathToFolderOf(path);
    AddRecentOnSave(store_, c.FileName);
    RefreshRecentMenu();
    return true;
}

bool FileActions::SaveAs() {
    Case& c = window_.CaseRecord();
    window_.Inputs().StoreTexts();
    const QString path =
        window_.IO().SavePath(ProjectDialog("*.velta", QString::fromStdString(c.FileName), c.AppPath, true));
    if (path.isEmpty()) return false;
    const std::string previous = c.FileName;
    if (!Write(path.toStdString())) return false;
    SetAppPathToFolderOf(path);
    if (c.FileName == previous) return true;
    AddRecentOnSave(store_, c.FileName);
    RefreshRecentMenu();
    return true;
}

// The engine may change the name (extension rule) and sets FileName on success.
bool FileActions::Write(std::string path) {
    const Status written = WriteProjectFile(window_.CaseRecord(), path);
    if (!written) {
        window_.IO().Warn(QString::fromStdString(written.message));
        return false;
    }
    MarkUnchanged();
    return true;
}

bool FileActions::HasUnsavedChanges() const { return ProjectFileText(window_.CaseRecord()) != savedText_; }

bool FileActions::ConfirmDiscard() {
    window_.Inputs().StoreTexts();
    if (!HasUnsavedChanges()) return true;
    switch (window_.IO().AskSaveChanges(QString::fromStdString(window_.CaseRecord().FileName))) {
        case SaveAnswer::Save: return Save();
        case SaveAnswer::Discard: return true;
        case SaveAnswer::Cancel: break;
    }
    return false;
}

void FileActions::MarkUnchanged() {
    savedText_ = ProjectFileText(window_.CaseRecord());
    window_.UpdateCaption();
}

void FileActions::ShowAsNewCase() {
    // As Open does: the dialogs reopen from the row's case.
    window_.Profiles().DiscardAll();
    window_.CaseRecord().FileName = kNewFile;
    window_.ShowCaseAndCalculate();
    MarkUnchanged();
}

// The next dialog starts where this one left the user: the chosen file's folder
// (dialogs here do not move the process's current folder).
void FileActions::SetAppPathToFolderOf(const QString& path) {
    window_.CaseRecord().AppPath = QDir::toNativeSeparators(QFileInfo(path).absolutePath()).toStdString();
}

void FileActions::RefreshRecentMenu() {
    veltar::RefreshRecentMenu(recent_, store_);
    for (size_t i = 0; i < recent_.items.size(); ++i) {
        QAction* action = menus_.recent[i];
        // A path is shown as it stands: "&" in it is no access key.
        if (i > 0) action->setText(QString::fromStdString(recent_.items[i].caption).replace("&", "&&"));
        action->setVisible(recent_.items[i].visible);
    }
}

std::string QtSettingsStore::Get(const std::string& key) const {
    return settings_.value(QString::fromStdString(std::string(kRecentSection) + "/" + key)).toString().toStdString();
}

void QtSettingsStore::Set(const std::string& key, const std::string& value) {
    settings_.setValue(QString::fromStdString(std::string(kRecentSection) + "/" + key), QString::fromStdString(value));
}

std::vector<std::string> QtSettingsStore::Keys() const {
    settings_.beginGroup(kRecentSection);
    const QStringList keys = settings_.childKeys();
    settings_.endGroup();
    std::vector<std::string> out;
    for (const QString& k : keys) out.push_back(k.toStdString());
    return out;
}

}  // namespace veltar
