// A main window for tests: recorded warnings and scripted file dialogs, its own
// settings file in a temporary folder, and helpers to type into the boxes.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "ui/fileactions.h"
#include "ui/mainwindow.h"
#include "ui/userio.h"

namespace veltar {

class RecordingIO : public UserIO {
public:
    void Warn(const QString& text) override { warnings << text; }
    QString OpenPath(const FileDialogSettings& def) override {
        dialogs.push_back(def);
        return nextPath;
    }
    QString SavePath(const FileDialogSettings& def) override {
        dialogs.push_back(def);
        return nextPath;
    }
    QStringList warnings;
    std::vector<FileDialogSettings> dialogs;
    QString nextPath;  // the dialog's answer; empty is Cancel
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
    W* Get(const char* name) { return window->findChild<W*>(name); }

    QString Text(const char* box) { return Get(box)->text(); }

    // Types into a box and leaves it with Enter, as the user does.
    void Type(const char* box, const QString& text) {
        QLineEdit* edit = Get(box);
        edit->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();  // the box just left is stored first
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    QString Focused() {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }

    QString Path(const QString& name) { return dir.filePath(name); }
};

}  // namespace veltar
