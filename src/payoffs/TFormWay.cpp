#include "payoffs/TFormWay.h"

TFormWay::TFormWay(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("TFormWay"));
    setWindowTitle(QStringLiteral("Ways Possible"));
    hide();
}
