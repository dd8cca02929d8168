#pragma once

// The named codes of the painters: which bevel, where a caption stands and
// which face it is drawn in.

// The five bevel styles. Odd styles are raised (light top and left edges),
// even styles sunken. The colour of each comes from the window's WindowStyle.
enum class BevelStyle {
    Raised = 1,        // released buttons and arrows; marked cells (blue)
    Sunken = 2,        // pressed buttons and arrows; cells not marked (blue)
    AccentRaised = 3,  // drawn and caught cells (red on the main window)
    AccentSunken = 4,  // drawn cells not caught (red on the main window)
    Frame = 5,         // frames around panels and status boxes (fuchsia on most windows)
};

// Where PaintCaption puts its text. The last three are the main window's own.
enum class CaptionAlignment {
    Left = 0,        // left-aligned, top at the offset
    Centre = 1,      // centred on (width + 1) / 2
    Right = 2,       // right-aligned at width - 1
    CheckGlyph = 3,  // a cell's check glyph: centred, 27 units high
    KindCode = 4,    // the special box's kind code: centred, 80 units high
    WaySummary = 5,  // fills the control, 13-unit text word-wrapped and centred
};

// The face of a caption font.
enum class FontStyle { Bold, Regular };

// True for the raised styles, whose top and left edges are light.
constexpr bool IsRaised(BevelStyle style) { return static_cast<int>(style) % 2 == 1; }
