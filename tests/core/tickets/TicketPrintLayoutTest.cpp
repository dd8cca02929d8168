#include <gtest/gtest.h>

#include "core/state/GameState.h"
#include "core/tickets/TicketPrintLayout.h"
#include "support/SampleTickets.h"

using namespace ticket_print;

namespace {

std::vector<Text> textsIn(const Printout& out, const QString& fontName) {
    std::vector<Text> found;
    for (const Text& text : out.texts)
        if (text.fontName == fontName) found.push_back(text);
    return found;
}

const Text* textOf(const Printout& out, const QString& content) {
    for (const Text& text : out.texts)
        if (text.text == content) return &text;
    return nullptr;
}

int labelCount(const Printout& out) {
    int labels = 0;
    for (const Text& text : out.texts) labels += text.text.startsWith("set ") ? 1 : 0;
    return labels;
}

}  // namespace

TEST(TicketPrintLayout, AWayTicketChecksEveryGroupAndLabelsIt) {
    GameState state = ThreeGroupsOfFour();
    state.GameNumber = 7;
    const Printout out = LayOut(state, {3, 3, 1});

    const std::vector<Text> marks = textsIn(out, "WingDings");
    ASSERT_EQ(marks.size(), 12u);
    // Number 52 (bottom panel, second row, second column) carries set 2's label.
    const auto at52 = std::find_if(marks.begin(), marks.end(),
                                   [](const Text& t) { return t.x == 47 && t.y == 208; });
    ASSERT_NE(at52, marks.end());
    const auto label = std::find_if(out.texts.begin(), out.texts.end(), [](const Text& t) {
        return t.text == "set 2" && t.x == 47 && t.y == 228 && t.height == 9;
    });
    EXPECT_NE(label, out.texts.end());
    EXPECT_EQ(labelCount(out), 12);
    // 80: last column of the bottom row.
    EXPECT_TRUE(std::any_of(marks.begin(), marks.end(),
                            [](const Text& t) { return t.x == 271 && t.y == 264; }));

    const Text* summary = textOf(out, "  3/4    3/8    1/12  ");
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->anchor, Anchor::WrapCentre);
    EXPECT_EQ(summary->box, (Box{290, 144, 392, 260}));
    EXPECT_EQ(summary->height, 15);
    EXPECT_NE(textOf(out, "007"), nullptr);
    EXPECT_EQ(textOf(out, "0 SPOT"), nullptr);  // way tickets show no spot count
}

TEST(TicketPrintLayout, AFortyTicketChecksFortyNumbersWithoutLabels) {
    GameState state;
    state.Kind = TicketKind::Forty;
    state.KindCode = "T";
    state.SpotsPerSet = 20;
    state.CurrentSet = 2;
    for (int i = 0; i < 20; ++i) {
        state.Sets[1].Numbers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
        state.Sets[2].Numbers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 21);
    }
    const Printout out = LayOut(state, {});
    EXPECT_EQ(textsIn(out, "WingDings").size(), 40u);
    EXPECT_EQ(labelCount(out), 0);
    const Text* code = textOf(out, "T");
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->height, 60);
    EXPECT_EQ(code->box, (Box{290, 170, 392, 260}));
}

TEST(TicketPrintLayout, LongWaySummariesShrink) {
    EXPECT_EQ(WaySummaryHeight(75), 15);
    EXPECT_EQ(WaySummaryHeight(76), 14);
    EXPECT_EQ(WaySummaryHeight(95), 13);
    EXPECT_EQ(WaySummaryHeight(105), 12);
    EXPECT_EQ(WaySummaryHeight(106), 11);
    // Fifteen groups of one, every row bet: far above 105 characters.
    GameState state;
    state.Kind = TicketKind::Way;
    state.SpotsPerSet = 1;
    state.CompletedSets = 15;
    way::WayCountArray counts = way::CountWays(15);
    const Printout out = LayOut(state, counts);
    EXPECT_EQ(out.texts.front().anchor, Anchor::WrapCentre);
    EXPECT_GT(out.texts.front().text.size(), 105);
    EXPECT_EQ(out.texts.front().height, 11);
}

TEST(TicketPrintLayout, PlainTicketBoxesAndGrid) {
    GameState state;
    state.SpotsMarked = 5;
    state.SpotsPerSet = 5;
    state.Sets[1].Numbers = {5, 10, 40, 41, 79};
    state.AggregateLimit = money::Dollars(50000);
    const Printout out = LayOut(state, {});
    EXPECT_EQ(textsIn(out, "WingDings").size(), 5u);
    EXPECT_EQ(labelCount(out), 0);
    EXPECT_NE(textOf(out, "5 SPOT"), nullptr);
    EXPECT_NE(textOf(out, "$50,000"), nullptr);
    EXPECT_EQ(textOf(out, "79")->y, 268);
    EXPECT_EQ(textOf(out, "79")->x, 243);
    EXPECT_EQ(out.grids[1], (Box{5, 182, 285, 294}));
    EXPECT_EQ(out.lines.size(), 2u * (3 + 9));
    EXPECT_EQ(out.lines[3], (Line{33, 68, 33, 179}));
    EXPECT_EQ(out.roundedBoxes[4], (Box{287, 122, 395, 265}));

    const DeviceMap map = DeviceMap::centred(2550, 3300, 300, 300);
    EXPECT_EQ(map.left, 675);
    EXPECT_EQ(map.top, 1200);
    EXPECT_EQ(map.x(33), 675 + 99);
    EXPECT_EQ(map.penWidth(), 3);
}
