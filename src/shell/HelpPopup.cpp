#include "shell/HelpPopup.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/Announcer.h"

namespace {

const QColor kBackground(0xff, 0xff, 0xe1);

bool isModifierAlone(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

}  // namespace

HelpPopup::HelpPopup() : QWidget(nullptr, Qt::Popup) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setMouseTracking(true);
    setAccessibleName(QStringLiteral("What's this?"));
    announcer_ = new Announcer(this);
    document_.setDocumentMargin(0);
    // The game going to the background takes its notes with it.
    qApp->installEventFilter(this);
}

void HelpPopup::setContents(const QString& html, int width, int pixelSize) {
    QFont font = this->font();
    font.setPixelSize(pixelSize);
    document_.setDefaultFont(font);
    margin_ = pixelSize / 2;
    document_.setHtml(html);
    document_.setTextWidth(width - 2 * margin_);
    setFixedSize(width, static_cast<int>(std::ceil(document_.size().height())) + 2 * margin_);
    update();
}

QString HelpPopup::linkAt(QPoint at) const {
    return document_.documentLayout()->anchorAt(at - textOrigin());
}

void HelpPopup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.translate(textOrigin());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    document_.documentLayout()->draw(&painter, context);
}

void HelpPopup::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    announcer_->announce(text());
}

void HelpPopup::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QString link = rect().contains(at) ? linkAt(at) : QString();
    event->accept();
    close();
    if (!link.isEmpty()) emit linkActivated(link);
}

void HelpPopup::mouseMoveEvent(QMouseEvent* event) {
    const bool onLink = !linkAt(event->position().toPoint()).isEmpty();
    setCursor(onLink ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void HelpPopup::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (!isModifierAlone(event->key())) close();
}

bool HelpPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::ApplicationStateChange &&
        static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
            Qt::ApplicationActive)
        close();
    return QWidget::eventFilter(watched, event);
}
