// The About window: product, title, version, the contact and web links, and the
// program's pictures. A click on anything but a link closes it.
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

class QLabel;

namespace veltar {

class UserIO;

// The addresses of the two links; an empty address hides its link.
struct AboutLinks {
    QString mail;
    QString web;
};

// The addresses chosen when the program was built.
AboutLinks BuiltInAboutLinks();

// Asks the platform to open an address; false when it could not.
using UrlOpener = std::function<bool(const QUrl&)>;

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    // `io` shows the failure message; `open` defaults to the desktop's handler.
    AboutWindow(QWidget* owner, UserIO& io, const AboutLinks& links, UrlOpener open = {});

    // Shows the window centred on the screen.
    void ShowCentred();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QLabel* AddLabel(const char* name, const QString& text);
    QLabel* AddLink(const char* name, const QString& address);
    void Underline(QLabel* link, bool on);
    void OpenLink(QLabel* link);

    UserIO& io_;
    UrlOpener open_;
    AboutLinks links_;
    QLabel* mail_ = nullptr;
    QLabel* web_ = nullptr;
};

}  // namespace veltar
