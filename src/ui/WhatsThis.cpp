#include "ui/WhatsThis.h"

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
