#include "ui/WhatsThis.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

void AttachWhatsThis(QWidget* control, int helpNumber, ShowHelp show) {
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    control->setProperty(kHelpNumberProperty, helpNumber);
    QObject::connect(control, &QWidget::customContextMenuRequested, control,
                     [control, helpNumber, show](const QPoint& local) {
                         QMenu menu(control);
                         menu.setObjectName(QStringLiteral("WhatsThisMenu"));
                         QAction* item = menu.addAction(QStringLiteral("What's this?"));
                         const QPoint at = control->mapToGlobal(local);
                         if (menu.exec(at) == item) show(helpNumber, at);
                     });
}

QAction* AttachWhatsThisKey(QWidget* window, ShowHelp show) {
    auto* key = new QAction(QStringLiteral("What's this?"), window);
    key->setObjectName(QStringLiteral("WhatsThisKey"));
    key->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    key->setShortcutContext(Qt::WindowShortcut);
    window->addAction(key);
    QObject::connect(key, &QAction::triggered, window, [window, show] {
        for (QWidget* control = window->focusWidget(); control != nullptr && control != window;
             control = control->parentWidget()) {
            const int number = control->property(kHelpNumberProperty).toInt();
            if (number <= 0) continue;
            show(number, control->mapToGlobal(control->rect().center()));
            return;
        }
    });
    return key;
}
