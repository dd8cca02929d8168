#include "shell/AppIcon.h"

#include <QPainter>
#include <QSvgRenderer>

static void initIconResource() { Q_INIT_RESOURCE(shell); }

namespace {

QSvgRenderer& renderer() {
    static QSvgRenderer icon{[] {
        initIconResource();
        return QStringLiteral(":/icons/velloro.svg");
    }()};
    return icon;
}

}  // namespace

QImage PaintVelloroIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer().render(&painter);
    return image;
}

QIcon VelloroIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(PaintVelloroIcon(size)));
    return icon;
}
