#include "ui/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <algorithm>

namespace {

QAccessibleInterface* forNotice(const QString&, QObject* object) {
    if (auto* notice = qobject_cast<Notice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

void installNoticeFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(forNotice);
        return true;
    }();
    (void)installed;
}

}  // namespace

Notice::Notice(const QString& message, QWidget* parent) : QWidget(parent) {
    installNoticeFactory();
    setObjectName(QStringLiteral("Notice"));
    setAccessibleName(message);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Nothing to see: one pixel in the corner, painting nothing.
    setGeometry(0, 0, 1, 1);
}

Announcer::Announcer(QWidget* owner, Hold hold)
    : QObject(owner), owner_(owner), hold_(hold ? std::move(hold) : Hold(speakingTime)) {
    turn_.setSingleShot(true);
    connect(&turn_, &QTimer::timeout, this, &Announcer::next);
}

int Announcer::speakingTime(const QString& message) {
    // "43, caught" in 0.7 s: a ball is heard before the next one is called.
    constexpr int kFixed = 250;
    constexpr int kPerCharacter = 45;
    return std::clamp(kFixed + kPerCharacter * static_cast<int>(message.size()), 500, 4000);
}

void Announcer::announce(const QString& message) {
    if (message.isEmpty()) return;
    queue_.push_back(message);
    while (queue_.size() > static_cast<std::size_t>(kMostWaiting)) queue_.pop_front();
    if (!turn_.isActive()) next();
}

void Announcer::next() {
    while (!queue_.empty()) {
        const QString message = queue_.front();
        queue_.pop_front();
        // A window that does not show tells nothing, not even later.
        if (!owner_->isVisible()) continue;
        if (!shown_.empty() && shown_.back()) shown_.back()->hide();
        auto* notice = new Notice(message, owner_);
        notice->show();
        shown_.emplace_back(notice);
        while (shown_.size() > static_cast<std::size_t>(kKept)) {
            if (shown_.front()) shown_.front()->deleteLater();
            shown_.pop_front();
        }
        if (const int hold = hold_(message); hold > 0) {
            turn_.start(hold);
            return;
        }
    }
}
