// veltar: the main window. "veltar FILE" opens a project file (.velta) or a case
// table (.velti, in the database window). "veltar --screenshot OUT.png [--window
// NAME] [FILE]" saves a picture of the calculated window, or of a named window over
// it, instead of running it.
#include <QApplication>
#include <QSettings>
#include <QTimer>

#include <cstdio>

#include "files/recent.h"
#include "ui/fileactions.h"
#include "ui/mainwindow.h"
#include "ui/screenshot.h"
#include "ui/startfile.h"
#include "ui/windowregistry.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool screenshot = args.size() >= 3 && args[1] == "--screenshot";
    QString named;
    if (screenshot && args.size() >= 5 && args[3] == "--window") {
        named = args[4];
        args.remove(3, 2);
    }
    const bool plainFile = !screenshot && args.size() == 2 && !args[1].startsWith('-');
    if (args.size() > 1 && !plainFile && (!screenshot || args.size() > 4)) {
        std::fprintf(stderr,
                     "usage: veltar [FILE.velta|FILE.velti]\n"
                     "       veltar --screenshot OUT.png [--window %s] [FILE.velta|FILE.velti]\n",
                     qPrintable(veltar::NamedWindows().join('|')));
        return 2;
    }
    QSettings settings(veltar::kSettingsApplication, veltar::kSettingsApplication);
    veltar::QtSettingsStore store(settings);
    veltar::MainWindow window(nullptr, store, QCoreApplication::applicationDirPath());
    if (screenshot)
        return veltar::SaveScreenshot(window, args[2], args.size() == 4 ? args[3] : QString(), named) ? 0 : 1;
    window.show();
    // Once the window is up: a table's progress and any message then have it to stand on.
    if (plainFile) QTimer::singleShot(0, &window, [&window, &args] { veltar::OpenStartFile(window, args[1]); });
    return app.exec();
}
