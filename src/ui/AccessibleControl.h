#pragma once

#include <QAccessibleWidget>

class ImageButton;

// What a screen reader finds for a painted control: the role, name, value,
// description and checked state its window gave it (ImageButton::Spoken),
// and the press as the default action, which goes the mouse's way.
class AccessibleControl : public QAccessibleWidget {
  public:
    explicit AccessibleControl(ImageButton* control);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

  private:
    ImageButton* control() const;
};

namespace accessible_control {
// Makes every ImageButton answer through AccessibleControl; safe to call often.
void install();
}  // namespace accessible_control
