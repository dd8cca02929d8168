#include "ui/ListKeys.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace {

class ListKeys : public QObject {
  public:
    ListKeys(QAbstractItemView* list, std::function<void(int)> click,
             std::function<void()> doubleClick)
        : QObject(list),
          list_(list),
          click_(std::move(click)),
          doubleClick_(std::move(doubleClick)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != list_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const int row = list_->currentIndex().row();
        if ((!enter && key->key() != Qt::Key_Space) || key->isAutoRepeat() || row < 0 ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (click_) click_(row);
        if (enter && doubleClick_) doubleClick_();
        return true;
    }

  private:
    QAbstractItemView* list_;
    std::function<void(int)> click_;
    std::function<void()> doubleClick_;
};

}  // namespace

void AttachListKeys(QAbstractItemView* list, std::function<void(int row)> click,
                    std::function<void()> doubleClick) {
    list->installEventFilter(new ListKeys(list, std::move(click), std::move(doubleClick)));
}
