#pragma once

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <vector>

// What a screen reader is told: every notification that shows, by the
// message it reads at that moment, in order. Qt tells the desktop's bridge of
// a widget that shows (QAccessible::ObjectShow) from its show event; but its
// update handler gets nothing while no bridge has switched Qt's accessibility
// on, as under the offscreen platform, so the show events are watched here.
class ToldListener : public QObject {
  public:
    ToldListener() { qApp->installEventFilter(this); }
    ~ToldListener() override { qApp->removeEventFilter(this); }

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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto* notice = static_cast<QWidget*>(watched);
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(notice);
        if (shown != nullptr && shown->role() == QAccessible::Notification)
            told_.push_back({notice, notice->window(), shown->text(QAccessible::Name)});
        return false;
    }

  private:
    struct Told {
        QPointer<QWidget> notice;
        const QWidget* window = nullptr;
        QString message;
    };

    std::vector<Told> told_;
};
