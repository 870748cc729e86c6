// A main window for tests: recorded warnings and scripted file dialogs, its own
// settings file in a temporary folder, and helpers to type into the boxes.
#pragma once

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "ui/fileactions.h"
#include "ui/mainwindow.h"
#include "ui/userio.h"

namespace veltar {

class RecordingIO : public UserIO {
public:
    void Warn(const QString& text) override {
        warnings << text;
        if (!modal) return;
        QWidget box;  // takes the focus while it is open, as a modal box does
        box.show();
        box.activateWindow();
        (void)QTest::qWaitForWindowActive(&box);
        QCoreApplication::processEvents();
    }
    QString OpenPath(const FileDialogSettings& def) override {
        dialogs << def;
        return nextPath;
    }
    QString SavePath(const FileDialogSettings& def) override {
        dialogs << def;
        return nextPath;
    }
    SaveAnswer AskSaveChanges(const QString& name) override {
        questions << name;
        return saveAnswer;
    }
    // Cancels once `cancelAt` steps are done (never when negative).
    std::unique_ptr<Progress> StartProgress(const QString&, int total) override {
        progressTotals << total;
        return std::make_unique<StoppingProgress>(cancelAt);
    }
    QStringList warnings;
    QString nextPath;  // the dialog's answer; empty is Cancel
    bool modal = false;
    QList<FileDialogSettings> dialogs;
    QStringList questions;  // the file names of "Save changes to ...?"
    SaveAnswer saveAnswer = SaveAnswer::Discard;
    QList<int> progressTotals;
    int cancelAt = -1;

private:
    struct StoppingProgress : Progress {
        explicit StoppingProgress(int at) : at(at) {}
        bool Step(int done) override { return at < 0 || done < at; }
        int at;
    };
};

struct WindowFixture {
    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    QtSettingsStore store{settings};
    RecordingIO io;
    std::unique_ptr<MainWindow> window;

    explicit WindowFixture(const QString& exeDir = QCoreApplication::applicationDirPath()) {
        window = std::make_unique<MainWindow>(&io, store, exeDir);
        window->show();
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get());
        QCoreApplication::processEvents();
    }

    Case& c() { return window->CaseRecord(); }
    template <class W = QLineEdit>
    W* Get(const char* name) {
        return window->findChild<W*>(name);
    }
    QString Text(const char* box) { return Get(box)->text(); }
    QString Path(const QString& name) { return dir.filePath(name); }
    QString Focused() { return QApplication::focusWidget()->objectName(); }
    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    // Types into a box, replacing its text, and leaves it with Enter as the user does
    // (or stays in it).
    static void TypeInto(QLineEdit* edit, const QString& text, bool leave = true) {
        edit->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();  // the box just left is stored first
        edit->selectAll();
        QTest::keyClicks(edit, text);
        if (leave) QTest::keyClick(edit, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    void Type(const char* box, const QString& text) { TypeInto(Get(box), text); }
    void Open(const QString& path) {
        io.nextPath = path;
        window->Files().Open();
    }
    void SaveAs(const QString& path) {
        io.nextPath = path;
        window->Files().SaveAs();
    }
};

}  // namespace veltar
