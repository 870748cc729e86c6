// The screenshot is taken from the window itself (grab), so it looks the same on
// a desktop and on the offscreen platform.
#include "ui/screenshot.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>

#include <cstdio>

#include "ui/mainwindow.h"
#include "ui/startfile.h"
#include "ui/windowregistry.h"

namespace veltar {

bool SaveScreenshot(MainWindow& window, const QString& out, const QString& file, const QString& named) {
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!window.HasCalculated() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!file.isEmpty() && !OpenStartFile(window, file)) return false;
    QCoreApplication::processEvents();
    QWidget* shown = &window;
    if (!named.isEmpty()) {
        QString error;
        shown = OpenNamedWindow(named, window, error);
        if (!shown) {
            std::fprintf(stderr, "veltar: %s\n", qPrintable(error));
            return false;
        }
    }
    if (!shown->grab().save(out, "PNG")) {
        std::fprintf(stderr, "veltar: can't write %s\n", qPrintable(out));
        return false;
    }
    return true;
}

}  // namespace veltar
