#include "ui/LiveToolTip.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace {

class LiveToolTip : public QObject {
  public:
    LiveToolTip(QWidget* control, std::function<QString()> text)
        : QObject(control), text_(std::move(text)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        auto* control = static_cast<QWidget*>(watched);
        const QString text = text_();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, control);
        return true;
    }

  private:
    std::function<QString()> text_;
};

}  // namespace

void AttachLiveToolTip(QWidget* control, std::function<QString()> text) {
    control->installEventFilter(new LiveToolTip(control, std::move(text)));
}
