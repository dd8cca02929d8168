#pragma once

#include <QAccessible>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <vector>

// What a screen reader is told, as the desktop's accessibility bridge gets
// it: every notification that shows, by the message it reads at that moment,
// in order. Installed in Qt's place for as long as it lives.
class ToldListener {
  public:
    ToldListener() {
        listening_ = this;
        wasActive_ = QAccessible::isActive();
        previous_ = QAccessible::installUpdateHandler(&ToldListener::handle);
        QAccessible::setActive(true);
    }
    ~ToldListener() {
        QAccessible::installUpdateHandler(previous_);
        QAccessible::setActive(wasActive_);
        listening_ = nullptr;
    }
    ToldListener(const ToldListener&) = delete;
    ToldListener& operator=(const ToldListener&) = delete;

    // Everything told, or only what the notices of this window told.
    QStringList told(const QWidget* window = nullptr) const {
        QStringList all;
        for (const Told& each : told_)
            if (window == nullptr || each.window == window) all << each.message;
        return all;
    }
    // The notices still there that no longer read what they told.
    QStringList changed() const {
        QStringList all;
        for (const Told& each : told_)
            if (each.notice && each.notice->accessibleName() != each.message) all << each.message;
        return all;
    }
    void clear() { told_.clear(); }

  private:
    struct Told {
        QPointer<QWidget> notice;
        const QWidget* window = nullptr;
        QString message;
    };

    static void handle(QAccessibleEvent* event) {
        if (listening_ == nullptr || event->type() != QAccessible::ObjectShow) return;
        QAccessibleInterface* shown = event->accessibleInterface();
        if (shown == nullptr || shown->role() != QAccessible::Notification) return;
        auto* notice = qobject_cast<QWidget*>(event->object());
        listening_->told_.push_back(
            {notice, notice ? notice->window() : nullptr, shown->text(QAccessible::Name)});
    }

    static inline ToldListener* listening_ = nullptr;
    QAccessible::UpdateHandler previous_ = nullptr;
    bool wasActive_ = false;
    std::vector<Told> told_;
};
