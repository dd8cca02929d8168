#pragma once

#include <QString>
#include <vector>

#include "core/ticket/WayTicket.h"

struct GameState;

// The printed Keno ticket, 4 x 3 inches, as plain geometry: every position
// and font height in hundredths of an inch from the ticket's top-left corner.
// The printer turns it into its own pixels with DeviceMap.
namespace ticket_print {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
// The rounded boxes' corners are fixed in printer pixels, not in inches.
constexpr int kCornerPixels = 20;

struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Box&) const = default;
};

struct Line {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const Line&) const = default;
};

enum class Anchor {
    Centre,      // centred on x, top at y
    Right,       // right edge at x, top at y
    WrapCentre,  // word-wrapped and centred inside `box`
};

struct Text {
    QString text;
    QString fontName;  // "Times New Roman", or "WingDings" for the check mark
    int height = 0;    // character height
    Anchor anchor = Anchor::Centre;
    int x = 0;
    int y = 0;
    Box box;           // for WrapCentre
    int fitWidth = 0;  // when above 0, the font shrinks until the text is no wider
};

struct Printout {
    Box frame;
    std::vector<Box> roundedBoxes;
    std::vector<Box> grids;
    std::vector<Line> lines;
    std::vector<Text> texts;  // in drawing order
    Box logo;
};

// The ticket being played; wayCountsEdit holds the bet rows' counts of a way ticket.
Printout LayOut(const GameState& state, const way::WayCountArray& wayCountsEdit);

// The way summary's height: 15, one less above each of 75, 85, 95 and 105 characters.
int WaySummaryHeight(qsizetype length);

// Hundredths of an inch to printer pixels, the ticket centred on the page.
struct DeviceMap {
    int dpiX = 0;
    int dpiY = 0;
    int left = 0;
    int top = 0;

    static DeviceMap centred(int pageWidthPixels, int pageHeightPixels, int dpiX, int dpiY);
    int x(int hundredths) const { return left + dpiX * hundredths / 100; }
    int y(int hundredths) const { return top + dpiY * hundredths / 100; }
    int height(int hundredths) const { return dpiY * hundredths / 100; }
    int penWidth() const { return dpiX / 100; }
};

}  // namespace ticket_print
