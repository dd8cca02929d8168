#include "ui/LiveToolTip.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace {

class LiveToolTip : public QObject {
  public:
    LiveToolTip(QWidget* control, std::function<QString(QPoint)> text)
        : QObject(control), text_(std::move(text)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        auto* control = static_cast<QWidget*>(watched);
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = text_(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, control);
        return true;
    }

  private:
    std::function<QString(QPoint)> text_;
};

}  // namespace

void AttachLiveToolTip(QWidget* control, std::function<QString()> text) {
    AttachLiveToolTip(control, [text = std::move(text)](QPoint) { return text(); });
}

void AttachLiveToolTip(QWidget* control, std::function<QString(QPoint)> text) {
    control->installEventFilter(new LiveToolTip(control, std::move(text)));
}
