#pragma once

#include <QAccessibleWidget>

class PictureControl;

// What a screen reader finds for a painted control: the role, name, value,
// description and checked state its window gave it (PictureControl::Spoken),
// and the press as the default action, which goes the mouse's way.
class AccessibleControl : public QAccessibleWidget {
  public:
    explicit AccessibleControl(PictureControl* control);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

  private:
    PictureControl* control() const;
};

namespace accessible_control {
// Makes every PictureControl answer through AccessibleControl; safe to call often.
void Install();
}  // namespace accessible_control
