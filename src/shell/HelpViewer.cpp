#include "shell/HelpViewer.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTreeWidget>
#include <QWindow>

#include "shell/HelpWindow.h"
#include "ui/ScreenArea.h"

namespace {

constexpr int kPopupGap = 2;

QRect screenGeometryAt(QPoint at) {
    QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
}

}  // namespace

HelpViewer::HelpViewer(HelpFile file) : file_(std::move(file)) {}

HelpViewer::~HelpViewer() {
    quit();
    delete window_;
}

HelpWindow* HelpViewer::window() {
    if (!window_) {
        const QRect available = screen_area::Of(QGuiApplication::primaryScreen());
        window_ = new HelpWindow(file_, available.size());
        window_->move(available.center() - window_->rect().center());
    }
    return window_;
}

HelpWindow* HelpViewer::helpWindow() const { return window_; }

QTextBrowser* HelpViewer::topicWindow() const { return window_ ? window_->browser() : nullptr; }

void HelpViewer::showContents() {
    HelpWindow* help = window();
    help->showContentsPage();
    help->show();
    help->raise();
    help->activateWindow();
    help->contents()->setFocus();
}

void HelpViewer::showTopic(int number) {
    HelpWindow* help = window();
    help->showTopicPage(number);
    help->show();
    help->raise();
    help->activateWindow();
}

QString HelpViewer::popupText(int number) const {
    const HelpFile::Topic* topic = file_.topic(number);
    if (!topic) return QStringLiteral("No help is available for this item.");
    return topic->title + QStringLiteral("\n\n") + file_.plainText(topic->text);
}

QPoint HelpViewer::popupPosition(QRect control, QSize popup, QRect screen) {
    const int x = qBound(screen.left(), control.left(), screen.right() + 1 - popup.width());
    int y = control.bottom() + 1 + kPopupGap;
    if (y + popup.height() > screen.bottom() + 1) y = control.top() - kPopupGap - popup.height();
    if (y < screen.top())
        y = qBound(screen.top(), control.bottom() + 1 + kPopupGap,
                   screen.bottom() + 1 - popup.height());
    return {x, qMax(screen.top(), y)};
}

void HelpViewer::showPopup(int number, QPoint at) {
    if (at.x() < 0) at = QCursor::pos();
    const QRect screen = screenGeometryAt(at);
    if (!popup_) {
        popup_ = new HelpPopup;
        // A link in a pop-up opens its topic in the help window.
        QObject::connect(popup_, &HelpPopup::linkActivated, popup_,
                         [this](const QString& link) { showTopic(QUrl(link).path().toInt()); });
    }
    // Text and width keep their share of the screen, like the game's own windows.
    const QSize layout = screen_area::Within(screen).size();
    const HelpFile::Topic* topic = file_.topic(number);
    popup_->setContents(topic ? QStringLiteral("<b>%1</b>%2")
                                    .arg(topic->title.toHtmlEscaped(), file_.html(topic->text))
                              : QStringLiteral("No help is available for this item."),
                        qMax(240, layout.width() * 7 / 20), HelpWindow::textPixelSize(layout));
    // Beside the control the help was asked for, not over it: looked for
    // in the active window first, as where windows overlap on the screen is
    // only a guess where the compositor places them (Wayland).
    QWidget* active = QApplication::activeWindow();
    const QWidget* control = active != nullptr && active != popup_
                                 ? active->childAt(active->mapFromGlobal(at))
                                 : nullptr;
    if (control == nullptr) control = QApplication::widgetAt(at);
    const QRect anchor = control && control != popup_
                             ? QRect(control->mapToGlobal(QPoint(0, 0)), control->size())
                             : QRect(at, QSize(1, 1));
    // Placed from the window of the control: a compositor that does not
    // tell windows where they are (Wayland) places a pop-up against its
    // parent window, which must be the one the control's position is
    // measured in, not whichever window had the input last.
    if (control != nullptr && control != popup_ && control->window()->windowHandle() != nullptr) {
        popup_->hide();
        popup_->winId();
        popup_->windowHandle()->setTransientParent(control->window()->windowHandle());
    }
    // Where the compositor does not say where windows stand (Wayland), the
    // screen's edges are known only as guesses from the control's window:
    // the pop-up is kept inside that window, which the compositor shows whole.
    QRect bounds = screen;
    if (control != nullptr && control != popup_ && !screen_area::WindowsArePlaceable()) {
        const QRect window = control->window()->geometry();
        if (window.width() >= popup_->width() && window.height() >= popup_->height())
            bounds = window;
    }
    popup_->move(popupPosition(anchor, popup_->size(), bounds));
    popup_->show();
}

void HelpViewer::quit() {
    if (popup_) popup_->close();
    if (window_) window_->close();
}
