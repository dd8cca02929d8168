#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QResizeEvent>

#include "ui/ControlPainter.h"
#include "ui/DesignUnits.h"
#include "ui/Glyphs.h"
#include "ui/PictureControl.h"
#include "ui/PictureMemo.h"
#include "ui/WindowScaler.h"

namespace {

const QColor kBlue(0, 0, 255);

QImage bevelled(BevelStyle style, int bevelWidth, QSize size = {20, 20}, QColor base = kBlue) {
    QImage image(size, QImage::Format_RGB32);
    ControlPainter::paintBevel(image, base, style, bevelWidth);
    return image;
}

QRgb blueShifted(int amount) {
    auto c = [amount](int v) { return qBound(0, v + amount, 255); };
    return qRgb(c(0), c(0), c(255));
}

// Height of the ink of everything not in the background colour.
int inkHeight(const QImage& image, QRgb background) {
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) {
                if (top < 0) top = y;
                bottom = y;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

}  // namespace

TEST(BevelTest, AmountsAndWidthFollowTheScreen) {
    EXPECT_EQ(design::BevelAmounts(5), (std::vector<int>{198, 160, 122, 83, 45}));
    EXPECT_EQ(design::BevelAmounts(8), (std::vector<int>{198, 174, 150, 126, 102, 78, 54, 30}));
    EXPECT_TRUE(design::BevelAmounts(0).empty());
    EXPECT_EQ(design::BevelWidthForScreen(640), 5);
    EXPECT_EQ(design::BevelWidthForScreen(800), 6);
    EXPECT_EQ(design::BevelWidthForScreen(1024), 8);
}

TEST(BevelTest, RaisedIsLightTopLeftAndDarkBottomRight) {
    const QImage raised = bevelled(BevelStyle::Raised, 5);
    EXPECT_EQ(raised.pixel(0, 0), blueShifted(198));
    EXPECT_EQ(raised.pixel(1, 1), blueShifted(160));
    EXPECT_EQ(raised.pixel(4, 10), blueShifted(45));
    EXPECT_EQ(raised.pixel(0, 19), blueShifted(198));  // the left edge runs to the bottom
    EXPECT_EQ(raised.pixel(19, 0), blueShifted(198));  // the top edge runs to the right
    EXPECT_EQ(raised.pixel(19, 19), blueShifted(-198));
    EXPECT_EQ(raised.pixel(15, 10), blueShifted(-45));
    EXPECT_EQ(raised.pixel(10, 10), kBlue.rgb());
    EXPECT_EQ(raised.pixel(5, 5), kBlue.rgb());
}

TEST(BevelTest, SunkenDiffersFromRaisedOnlyInWhichEdgesAreLight) {
    const QImage raised = bevelled(BevelStyle::Raised, 5, {32, 32});
    const QImage sunken = bevelled(BevelStyle::Sunken, 5, {32, 32});
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int r = qBlue(raised.pixel(x, y)) == 255 ? qRed(raised.pixel(x, y))
                                                           : -(255 - qBlue(raised.pixel(x, y)));
            const int s = qBlue(sunken.pixel(x, y)) == 255 ? qRed(sunken.pixel(x, y))
                                                           : -(255 - qBlue(sunken.pixel(x, y)));
            // Same pixel, same amount, opposite direction (or both plain blue).
            ASSERT_EQ(r, -s) << "at " << x << "," << y;
        }
    EXPECT_EQ(sunken.pixel(0, 0), blueShifted(-198));
    EXPECT_EQ(sunken.pixel(31, 31), blueShifted(198));
}

TEST(BevelTest, ZeroWidthIsAFlatFill) {
    const QImage flat = bevelled(BevelStyle::AccentRaised, 0, {12, 12}, QColor(255, 0, 0));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) ASSERT_EQ(flat.pixel(x, y), qRgb(255, 0, 0));
}

TEST(DesignUnitsTest, RoundHalvesToEven) {
    EXPECT_EQ(design::ToPixels(800, 23, 400), 46);
    EXPECT_EQ(design::ToPixels(1000, 1, 400), 2);  // 2.5
    EXPECT_EQ(design::ToPixels(1000, 3, 400), 8);  // 7.5
    EXPECT_EQ(design::ToPixels(500, 5, 400), 6);   // 6.25
}

TEST(CaptionTest, FontsGrowWithTheWindow) {
    int height = 400;
    const ControlPainter painter(
        window_style::Table, [&height] { return height; }, 5);
    EXPECT_EQ(painter.units(23), 23);
    height = 800;
    EXPECT_EQ(painter.units(23), 46);

    auto inkOfEight = [&painter](int size) {
        PictureControl button;
        button.resize(size, size);
        painter.fill(button, Qt::white);
        painter.setCaptionFont(button, 23);
        painter.paintCaption(button, Qt::black, QStringLiteral("8"),
                             QStringLiteral("Times New Roman"), CaptionAlignment::Centre, 3);
        return inkHeight(button.image(), qRgb(255, 255, 255));
    };
    height = 400;
    const int small = inkOfEight(64);
    height = 800;
    const int large = inkOfEight(128);
    ASSERT_GT(small, 10);
    EXPECT_NEAR(static_cast<double>(large) / small, 2.0, 0.15);
}

TEST(CaptionTest, SymbolGlyphsComeFromUnicode) {
    EXPECT_EQ(glyphs::Resolve(QStringLiteral("WingDings"), QString(QChar(252))).text,
              QString(QChar(0x2714)));
    EXPECT_EQ(glyphs::Resolve(QStringLiteral("WingDings"), QString(QChar(217))).text,
              QString(QChar(0x25B2)));
    EXPECT_EQ(glyphs::Resolve(QStringLiteral("WingDings"), QString(QChar(218))).text,
              QString(QChar(0x25BC)));
    const ResolvedText plain =
        glyphs::Resolve(QStringLiteral("Times New Roman"), QStringLiteral("PLAY"));
    EXPECT_EQ(plain.family, QStringLiteral("Times New Roman"));
    EXPECT_EQ(plain.text, QStringLiteral("PLAY"));
}

TEST(CaptionTest, RightAlignedTextEndsAtTheRightEdge) {
    const ControlPainter painter(
        window_style::History, [] { return 400; }, 5);
    PictureControl button;
    button.resize(120, 20);
    painter.fill(button, Qt::white);
    painter.paintCaption(button, Qt::black, QStringLiteral("TOTAL"), QStringLiteral("Arial"),
                         CaptionAlignment::Right, 0);
    int rightmost = -1, leftmost = 1000;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 120; ++x)
            if (button.image().pixel(x, y) != qRgb(255, 255, 255)) {
                rightmost = qMax(rightmost, x);
                leftmost = qMin(leftmost, x);
            }
    EXPECT_GE(rightmost, 112);
    EXPECT_GT(leftmost, 40);
}

TEST(PictureControlTest, PaintsAgainAtANewSize) {
    const ControlPainter painter(
        window_style::Table, [] { return 400; }, 5);
    PictureControl button;
    button.resize(20, 20);
    painter.paintBevel(button, BevelStyle::Raised);
    button.resize(40, 40);
    QResizeEvent resize({40, 40}, {20, 20});
    QCoreApplication::sendEvent(&button, &resize);
    ASSERT_EQ(button.image().size(), QSize(40, 40));
    // A fresh bevel, not the old one stretched: the lines stay one pixel wide.
    EXPECT_EQ(button.image().pixel(1, 20), blueShifted(160));
    EXPECT_EQ(button.image().pixel(39, 39), blueShifted(-198));
    EXPECT_EQ(button.image().pixel(20, 20), kBlue.rgb());
}

// A kept picture is shown only on a bitmap of its own size, and the control
// it is shown on paints itself again when it is resized, as if it had drawn it.
TEST(PictureMemoTest, KeptPicturesFitTheirSizeAndRepaintAtANew) {
    const ControlPainter painter(
        window_style::Table, [] { return 400; }, 5);
    int drawn = 0;
    const auto draw = [&](PictureControl& control) {
        return [&painter, &drawn, &control] {
            ++drawn;
            painter.paintBevel(control, BevelStyle::Raised);
            painter.paintCaption(control, Qt::black, QStringLiteral("43"),
                                 QStringLiteral("Times New Roman"), CaptionAlignment::Centre, 3);
        };
    };
    const auto drawnAt = [&](QSize size) {
        PictureControl fresh;
        fresh.resize(size);
        draw(fresh)();
        return fresh.image();
    };
    PictureMemo<int> memo;
    PictureControl first, second, larger;
    first.resize(30, 30);
    second.resize(30, 30);
    larger.resize(40, 40);
    memo.show(first, 43, draw(first));
    memo.show(second, 43, draw(second));
    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(second.image(), first.image());
    memo.show(larger, 43, draw(larger));
    EXPECT_EQ(drawn, 2);
    EXPECT_EQ(larger.image(), drawnAt({40, 40}));

    second.resize(40, 40);
    QResizeEvent resize({40, 40}, {30, 30});
    QCoreApplication::sendEvent(&second, &resize);
    EXPECT_EQ(second.image(), drawnAt({40, 40}));
    EXPECT_EQ(second.captionPixels, first.captionPixels);
}

TEST(WindowScalerTest, ClientFollowsTheScreenInProportion) {
    EXPECT_EQ(WindowScaler::clientSizeForScreen({500, 400}, {640, 480}), QSize(500, 400));
    EXPECT_EQ(WindowScaler::clientSizeForScreen({500, 400}, {1024, 768}), QSize(800, 640));
    EXPECT_EQ(WindowScaler::clientSizeForScreen({415, 181}, {800, 600}), QSize(519, 226));
    // Neighbouring cells keep meeting edge to edge at any scale.
    const QRect a = WindowScaler::scaled({1, 1, 32, 32}, {500, 400}, {800, 640});
    const QRect b = WindowScaler::scaled({33, 1, 32, 32}, {500, 400}, {800, 640});
    EXPECT_EQ(a.right() + 1, b.left());
    EXPECT_EQ(a.topLeft(), QPoint(2, 2));  // 1.6 rounds to 2
}

TEST(CaptionTest, WaySummaryReplacesWhateverTheBoxShowed) {
    const ControlPainter painter(
        window_style::Table, [] { return 400; }, 5);
    PictureControl box;
    box.resize(125, 185);
    painter.fill(box, QColor(0, 128, 0));
    painter.setCaptionFont(box, 80);
    painter.paintCaption(box, Qt::black, QStringLiteral("QP"), QStringLiteral("Times New Roman"),
                         CaptionAlignment::KindCode, 0);
    ASSERT_GT(inkHeight(box.image(), qRgb(0, 128, 0)), 50);
    painter.paintCaption(box, Qt::black,
                         QStringLiteral("  3/3    3/6    1/9    2/12    1/15    4/18    2/21  "),
                         QStringLiteral("Times New Roman"), CaptionAlignment::WaySummary, 0);
    const int summary = inkHeight(box.image(), qRgb(0, 128, 0));
    // Word-wrapped 13-unit lines, and nothing of the large code is left.
    EXPECT_GT(summary, 13);
    EXPECT_LT(summary, 50);
}

TEST(WindowScalerTest, ControlsFollowTheClientWhenItResizes) {
    QWidget client;
    client.resize(500, 400);
    WindowScaler scaler(&client, {500, 400});
    QWidget child(&client);
    scaler.place(&child, {50, 40, 100, 80});
    EXPECT_EQ(child.geometry(), QRect(50, 40, 100, 80));
    client.resize(1000, 800);
    QResizeEvent resize({1000, 800}, {500, 400});
    QCoreApplication::sendEvent(&client, &resize);
    EXPECT_EQ(child.geometry(), QRect(100, 80, 200, 160));
}
