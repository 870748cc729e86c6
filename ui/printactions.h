// The print commands: the six report items of the File/Print and Print menus, and
// File/Print/"Save as PDF...". The printer is reached through PrintTarget, so
// tests print to files without a dialog.
#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <string>

#include "core/case.h"
#include "ui/menus.h"

class QPagedPaintDevice;
class QWidget;

namespace veltar {

class MainWindow;

// Where printed documents go: the platform's printer after its print dialog.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // Shows the print dialog; the number of copies chosen, 0 when it was cancelled.
    virtual int ChooseCopies(QWidget* parent) = 0;
    // The device the next document is painted on; each copy is its own document.
    virtual QPagedPaintDevice& NextDocument() = 0;
    // After a document: why it did not reach the printer, empty when it did.
    virtual QString DocumentProblem() = 0;
};

class PrintActions : public QObject {
    Q_OBJECT
public:
    // `dataDir` holds the tables the window read; their fingerprint goes on every page.
    PrintActions(MainWindow& window, const MainMenus& menus, const std::string& dataDir);
    ~PrintActions() override;

    // Sets the check mode and the print mode, shows and calculates the case, then
    // prints one document per copy chosen in the print dialog.
    void Print(i16 mode);
    // The report of the current check mode into a PDF file chosen by the user.
    void SaveAsPdf();
    void SetTarget(std::unique_ptr<PrintTarget> target) { target_ = std::move(target); }

private:
    MainWindow& window_;
    QString fingerprint_;
    std::unique_ptr<PrintTarget> target_;
};

}  // namespace veltar
