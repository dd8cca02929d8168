#include "shell/AboutBox.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "shell/AppIcon.h"
#include "ui/ControlPainter.h"
#include "ui/DesignUnits.h"
#include "ui/ScreenArea.h"
#include "ui/WindowScaler.h"
#include "ui/WindowStyle.h"

const char* const kVelloroVersion = VELLORO_VERSION;

namespace {

constexpr QRect kTopFrame(2, 2, 326, 94);
constexpr QRect kPictureFrame(2, 99, 326, 56);
// What lies below the picture, moved down by its height.
constexpr int kBelowPicture = 59;
constexpr QRect kBottomFrame(2, 99 + kBelowPicture, 326, 114);
constexpr QRect kIcon(14, 14, 70, 70);
constexpr QRect kMemory(12, 273, 306, 14);
constexpr int kMemoryFontUnits = 10;
constexpr QRect kOk(132, 290, 65, 29);
constexpr BevelStyle kFrameStyle = BevelStyle::Frame;

// A text font whose pixel size follows the window's height, made smaller
// until the text fits its width.
QFont fittedFont(const QString& text, int pixelSize, int width) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    font.setPixelSize(qMax(1, pixelSize));
    while (font.pixelSize() > 6 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

}  // namespace

QStringList AboutBox::credits() {
    return {QStringLiteral("Qt 6, the windows and painting: LGPL-3.0"),
            QStringLiteral("SDL2, the sound output: zlib licence"),
            QStringLiteral("FluidSynth, the music synthesizer: LGPL-2.1"),
            QStringLiteral("TimGM6mb General MIDI soundfont: GPL-2.0"),
            QStringLiteral("flite, the call-out voice (at build time): CMU licence"),
            QStringLiteral("Liberation fonts: SIL OFL 1.1; DejaVu fonts: free licence")};
}

std::vector<AboutBox::Line> AboutBox::lines() {
    std::vector<Line> lines{
        {QRect(96, 8, 224, 36), QStringLiteral("Velloro"), 32, true},
        {QRect(96, 44, 224, 16), QStringLiteral("Version %1").arg(QLatin1String(kVelloroVersion)),
         13, false},
        {QRect(96, 61, 224, 14), QStringLiteral("A single-player Keno game for the Linux desktop."),
         11, false},
        {QRect(96, 74, 224, 14), QStringLiteral("Free software under the GNU GPL 3.0 or later."),
         11, false},
        {QRect(12, 106 + kBelowPicture, 306, 16), QStringLiteral("Built on"), 13, false},
    };
    int top = 124 + kBelowPicture;
    for (const QString& credit : credits()) {
        lines.push_back({QRect(12, top, 306, 14), credit, 10, false});
        top += 14;
    }
    return lines;
}

AboutBox::AboutBox(QWidget* parent, std::function<QString()> readMemory)
    : QDialog(parent), readMemory_(std::move(readMemory)) {
    setWindowTitle(QStringLiteral("About Velloro"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    auto* scaler = new WindowScaler(this, QSize(kDesignWidth, kDesignHeight));
    const QRect available = screen_area::Of(parent);
    scaler->fitToScreen(available.size());
    move(available.center() - rect().center());

    frameClock_ = new QTimer(this);
    frameClock_->setInterval(BallAnimation::kFrameMilliseconds);
    connect(frameClock_, &QTimer::timeout, this, &AboutBox::nextFrame);
    memoryClock_ = new QTimer(this);
    memoryClock_->setInterval(kMemoryRefreshMilliseconds);
    connect(memoryClock_, &QTimer::timeout, this, &AboutBox::refreshMemory);
    memory_ = readMemory_();
}

void AboutBox::nextFrame() {
    animation_.advance();
    update(scaled(kPictureFrame));
}

void AboutBox::refreshMemory() {
    const QString now = readMemory_();
    if (now == memory_) return;
    memory_ = now;
    update(scaled(kMemory));
}

bool AboutBox::isLive() const { return frameClock_->isActive() || memoryClock_->isActive(); }

void AboutBox::showEvent(QShowEvent* event) {
    refreshMemory();
    frameClock_->start();
    memoryClock_->start();
    QDialog::showEvent(event);
}

void AboutBox::hideEvent(QHideEvent* event) {
    // A closed box costs nothing.
    frameClock_->stop();
    memoryClock_->stop();
    QDialog::hideEvent(event);
}

QRect AboutBox::scaled(const QRect& designRect) const {
    return WindowScaler::scaled(designRect, QSize(kDesignWidth, kDesignHeight), size());
}

void AboutBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(colours::kGreen));
    // Bevels as thick as on the game table of this screen.
    const int bevel = design::BevelWidthForScreen(width() * 640 / kDesignWidth);
    const int inset = design::ToPixels(height(), 5, kDesignHeight);
    const WindowStyle& style = window_style::Table;
    for (const QRect& frame : {kTopFrame, kPictureFrame, kBottomFrame}) {
        const QRect area = scaled(frame);
        painter.drawImage(area.topLeft(), ControlPainter::bevelImage(
                                              area.size(), devicePixelRatioF(),
                                              style.colourOf(kFrameStyle), kFrameStyle, bevel));
        // Inside the frame, the table again.
        painter.fillRect(area.adjusted(inset, inset, -inset, -inset),
                         QColor::fromRgb(colours::kGreen));
    }

    const QRect picture = scaled(kPictureFrame).adjusted(inset, inset, -inset, -inset);
    animation_.paint(painter, picture);

    const QRect icon = scaled(kIcon);
    const int iconSize = qMin(icon.width(), icon.height());
    QImage iconImage = PaintVelloroIcon(qRound(iconSize * devicePixelRatioF()));
    iconImage.setDevicePixelRatio(devicePixelRatioF());
    painter.drawImage(icon.topLeft(), iconImage);

    for (const Line& line : lines()) {
        const QRect area = scaled(line.designRect);
        painter.setFont(fittedFont(
            line.text, design::ToPixels(height(), line.fontUnits, kDesignHeight), area.width()));
        const int flags = Qt::AlignLeft | Qt::AlignVCenter;
        if (line.title) {
            const int shadow = qMax(1, design::ToPixels(height(), 2, kDesignHeight));
            painter.setPen(Qt::black);
            painter.drawText(area.translated(shadow, shadow), flags, line.text);
            painter.setPen(ToQColor(palette::kYellow));
        } else {
            painter.setPen(Qt::black);
        }
        painter.drawText(area, flags, line.text);
    }

    const QRect memory = scaled(kMemory);
    painter.setPen(Qt::black);
    painter.setFont(fittedFont(memory_, design::ToPixels(height(), kMemoryFontUnits, kDesignHeight),
                               memory.width()));
    painter.drawText(memory, Qt::AlignHCenter | Qt::AlignVCenter, memory_);

    // OK, a raised button like the game's.
    const QRect ok = scaled(kOk);
    painter.drawImage(ok.topLeft(),
                      ControlPainter::bevelImage(ok.size(), devicePixelRatioF(),
                                                 style.colourOf(BevelStyle::Raised),
                                                 BevelStyle::Raised, qMax(2, bevel / 2)));
    painter.setPen(Qt::black);
    painter.setFont(fittedFont(QStringLiteral("OK"), design::ToPixels(height(), 13, kDesignHeight),
                               ok.width()));
    painter.drawText(ok, Qt::AlignCenter, QStringLiteral("OK"));
}

void AboutBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && scaled(kOk).contains(event->position().toPoint()))
        accept();
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ShowAboutBox(QWidget* parent) {
    AboutBox box(parent);
    box.exec();
}
