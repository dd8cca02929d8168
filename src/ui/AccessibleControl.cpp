#include "ui/AccessibleControl.h"

#include "ui/ImageButton.h"

namespace {

QAccessibleInterface* forImageButton(const QString&, QObject* object) {
    if (auto* control = qobject_cast<ImageButton*>(object)) return new AccessibleControl(control);
    return nullptr;
}

bool pressable(QAccessible::Role role) {
    return role == QAccessible::Button || role == QAccessible::CheckBox ||
           role == QAccessible::PageTab;
}

}  // namespace

namespace accessible_control {
void install() {
    static const bool installed = [] {
        QAccessible::installFactory(forImageButton);
        return true;
    }();
    (void)installed;
}
}  // namespace accessible_control

AccessibleControl::AccessibleControl(ImageButton* control) : QAccessibleWidget(control) {}

ImageButton* AccessibleControl::control() const { return static_cast<ImageButton*>(widget()); }

QAccessible::Role AccessibleControl::role() const { return control()->spoken().role; }

QString AccessibleControl::text(QAccessible::Text kind) const {
    const ImageButton::Spoken& spoken = control()->spoken();
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
    const ImageButton::Spoken& spoken = control()->spoken();
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
    ImageButton* target = control();
    Q_EMIT target->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    Q_EMIT target->mouseReleased(Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
}
