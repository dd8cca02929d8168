#include "windows/TicketPrinter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrinter>

#include "core/records/IoError.h"
#include "core/state/GameState.h"
#include "ui/Glyphs.h"

namespace {

using namespace ticket_print;

// Wide enough for any single line of the ticket, in printer pixels.
constexpr int kTextReach = 100000;

bool showPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Ticket"));
    return dialog.exec() == QDialog::Accepted;
}

QRect deviceRect(const DeviceMap& map, const Box& box) {
    return QRect(QPoint(map.x(box.left), map.y(box.top)),
                 QPoint(map.x(box.right) - 1, map.y(box.bottom) - 1));
}

void drawText(QPainter& painter, const DeviceMap& map, const Text& text) {
    const ResolvedText resolved = glyphs::Resolve(text.fontName, text.text);
    QFont font(resolved.family);
    font.setBold(true);
    font.setPixelSize(std::max(1, map.height(text.height)));
    if (text.fitWidth > 0) {
        const int room = map.x(text.fitWidth) - map.x(0);
        const int wide = QFontMetrics(font, painter.device()).horizontalAdvance(resolved.text);
        if (wide > room) font.setPixelSize(std::max(1, font.pixelSize() * room / wide));
    }
    painter.setFont(font);
    const int x = map.x(text.x);
    const int y = map.y(text.y);
    switch (text.anchor) {
        case Anchor::Centre:
            painter.drawText(QRect(x - kTextReach, y, 2 * kTextReach, kTextReach),
                             Qt::AlignHCenter | Qt::AlignTop, resolved.text);
            break;
        case Anchor::Right:
            painter.drawText(QRect(x - kTextReach, y, kTextReach, kTextReach),
                             Qt::AlignRight | Qt::AlignTop, resolved.text);
            break;
        case Anchor::WrapCentre:
            painter.drawText(deviceRect(map, text.box),
                             Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, resolved.text);
            break;
    }
}

QImage drawLogo() {
    QImage image(96, 96, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(QRectF(4, 4, 88, 88));
    p.setBrush(QColor(255, 255, 0));
    p.drawEllipse(QRectF(22, 22, 52, 52));
    p.setPen(QPen(QColor(0, 0, 255), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath check;
    check.moveTo(32, 48);
    check.lineTo(44, 62);
    check.lineTo(66, 34);
    p.setBrush(Qt::NoBrush);
    p.drawPath(check);
    p.end();
    // Sixteen colours, as a small printed picture needs no more.
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TicketPrinter::TicketPrinter() : choose_(showPrintDialog) {}

const QImage& TicketPrinter::logo() {
    static const QImage image = drawLogo();
    return image;
}

void TicketPrinter::paint(QPainter& painter, const Printout& printout, const DeviceMap& map) {
    painter.save();
    painter.setPen(
        QPen(Qt::black, std::max(1, map.penWidth()), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawRect(deviceRect(map, printout.frame));
    for (const Box& box : printout.roundedBoxes)
        painter.drawRoundedRect(deviceRect(map, box), kCornerPixels / 2, kCornerPixels / 2);
    for (const Box& grid : printout.grids) painter.drawRect(deviceRect(map, grid));
    for (const Line& line : printout.lines)
        painter.drawLine(map.x(line.x1), map.y(line.y1), map.x(line.x2), map.y(line.y2));
    painter.setPen(Qt::black);
    for (const Text& text : printout.texts) drawText(painter, map, text);
    painter.drawImage(deviceRect(map, printout.logo), logo());
    painter.restore();
}

bool TicketPrinter::print(const GameState& state, const way::WayCountArray& wayCountsEdit,
                          QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(
        QStringLiteral("Velloro ticket, game %1").arg(GameNumberText(state.GameNumber)));
    if (!choose_(printer, parent)) return false;
    QPainter painter;
    if (!painter.begin(&printer))
        throw IoError(
            printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName(),
            QStringLiteral("The printer could not start the ticket"));
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const DeviceMap map = DeviceMap::centred(page.width(), page.height(), printer.logicalDpiX(),
                                             printer.logicalDpiY());
    paint(painter, LayOut(state, wayCountsEdit), map);
    painter.end();
    return true;
}
