#include "ui/AccessibleControl.h"

#include "ui/PictureControl.h"

namespace {

QAccessibleInterface* forPictureControl(const QString&, QObject* object) {
    if (auto* control = qobject_cast<PictureControl*>(object))
        return new AccessibleControl(control);
    return nullptr;
}

bool pressable(QAccessible::Role role) {
    return role == QAccessible::Button || role == QAccessible::CheckBox ||
           role == QAccessible::PageTab;
}

}  // namespace

namespace accessible_control {
void Install() {
    static const bool installed = [] {
        QAccessible::installFactory(forPictureControl);
        return true;
    }();
    (void)installed;
}
}  // namespace accessible_control

AccessibleControl::AccessibleControl(PictureControl* control) : QAccessibleWidget(control) {}

PictureControl* AccessibleControl::control() const {
    return static_cast<PictureControl*>(widget());
}

QAccessible::Role AccessibleControl::role() const { return control()->spoken().role; }

QString AccessibleControl::text(QAccessible::Text kind) const {
    const PictureControl::Spoken& spoken = control()->spoken();
    switch (kind) {
        case QAccessible::Name:
            return control()->spokenName();
        case QAccessible::Value:
            return spoken.value;
        case QAccessible::Description:
            return spoken.description;
        default:
            return QAccessibleWidget::text(kind);
    }
}

QAccessible::State AccessibleControl::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const PictureControl::Spoken& spoken = control()->spoken();
    state.checkable = spoken.checkable;
    state.checked = spoken.checked;
    state.focusable = control()->focusPolicy() != Qt::NoFocus;
    return state;
}

QStringList AccessibleControl::actionNames() const {
    if (!pressable(role()) || !control()->isEnabled()) return QAccessibleWidget::actionNames();
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void AccessibleControl::doAction(const QString& actionName) {
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // A reader's press is a click: down and up again, as Enter does.
    PictureControl* target = control();
    Q_EMIT target->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    Q_EMIT target->mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
}
