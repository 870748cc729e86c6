// The links are labels in the product colour; hovering one underlines it, and the
// window's background takes the underline off both.
#include "ui/help/aboutwindow.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

#include "ui/control.h"
#include "ui/help/aboutlinks.h"
#include "ui/userio.h"

namespace veltar {
namespace {

const QColor kHeadColour(0, 85, 152);

QPixmap Picture(const QString& resource, int size, qreal ratio) {
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(resource).render(&painter);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QUrl LinkUrl(QLabel* link, const AboutLinks& links, QLabel* mail) {
    if (link == mail) return QUrl("mailto:" + links.mail);
    return QUrl::fromUserInput(links.web);
}

}  // namespace

AboutLinks BuiltInAboutLinks() { return {VELTAR_CONTACT_EMAIL, VELTAR_WEB_ADDRESS}; }

AboutWindow::AboutWindow(QWidget* owner, UserIO& io, const AboutLinks& links, UrlOpener open)
    : QWidget(owner, Qt::Window), io_(io), open_(std::move(open)), links_(links) {
    if (!open_) open_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setObjectName("about");
    setWindowTitle(QString("About ") + "VELTAR");
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 18, 18, 18);
    grid->setHorizontalSpacing(18);
    QLabel* icon = AddLabel("Picture1", {});
    icon->setPixmap(Picture(":/icons/veltar.svg", 96, devicePixelRatioF()));
    grid->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    QLabel* product = AddLabel("lblProduct", "VELTAR");
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    product->setFont(big);
    product->setStyleSheet(QString("color: %1;").arg(kHeadColour.name()));
    grid->addWidget(product, 0, 1);
    grid->addWidget(AddLabel("lblTitle", "Plate/Stiff/Girder check based on ABS Offshore Structures"), 1, 1);
    grid->addWidget(AddLabel("lblVersion", "Version 1.8"), 2, 1);
    mail_ = AddLink("ab6", links_.mail);
    web_ = AddLink("ab5", links_.web);
    grid->addWidget(mail_, 3, 1);
    grid->addWidget(web_, 4, 1);
    QLabel* panel = AddLabel("Picture5", {});
    panel->setPixmap(Picture(":/icons/panel.svg", 64, devicePixelRatioF()));
    grid->addWidget(panel, 4, 0, Qt::AlignBottom);
}

QLabel* AboutWindow::AddLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->installEventFilter(this);
    return label;
}

QLabel* AboutWindow::AddLink(const char* name, const QString& address) {
    QLabel* link = AddLabel(name, address);
    link->setStyleSheet(QString("color: %1;").arg(kHeadColour.name()));
    link->setCursor(Qt::PointingHandCursor);
    link->setVisible(!address.isEmpty());
    return link;
}

void AboutWindow::Underline(QLabel* link, bool on) {
    QFont f = link->font();
    f.setUnderline(on);
    link->setFont(f);
}

void AboutWindow::OpenLink(QLabel* link) {
    if (!open_(LinkUrl(link, links_, mail_))) io_.Warn(" There was an error when trying to open a default browser ");
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* e) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label) return false;
    const bool isLink = label == mail_ || label == web_;
    if (isLink && e->type() == QEvent::Enter) Underline(label, true);
    if (e->type() != QEvent::MouseButtonRelease || static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton)
        return false;
    if (isLink)
        OpenLink(label);
    else
        close();
    return true;
}

void AboutWindow::mouseMoveEvent(QMouseEvent* e) {
    Underline(mail_, false);
    Underline(web_, false);
    QWidget::mouseMoveEvent(e);
}

void AboutWindow::ShowCentred() {
    adjustSize();
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    ShowInFront(*this);
}

}  // namespace veltar
