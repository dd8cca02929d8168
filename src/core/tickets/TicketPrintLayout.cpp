#include "core/tickets/TicketPrintLayout.h"

#include <algorithm>

#include "core/state/Board.h"
#include "core/state/GameState.h"
#include "core/ticket/CatchRule.h"
#include "core/ticket/TicketKinds.h"

namespace ticket_print {

namespace {

const QString kTimes = QStringLiteral("Times New Roman");
const QString kSymbolFont = QStringLiteral("WingDings");
constexpr char16_t kCheckGlyph = 252;
constexpr int kBoxCentre = 341;
constexpr int kCellSize = 28;
constexpr int kLogoRight = 38;

void addGrid(Printout& out, int top) {
    const int bottom = top + 112;
    out.grids.push_back({5, top, 285, bottom});
    for (int y = top + kCellSize; y < bottom; y += kCellSize) out.lines.push_back({5, y, 284, y});
    for (int x = 33; x <= 257; x += kCellSize) out.lines.push_back({x, top, x, bottom - 1});
}

Text centred(const QString& text, int height, int x, int y) {
    return Text{text, kTimes, height, Anchor::Centre, x, y, {}};
}

void addCheckMarks(Printout& out, const TicketState& ticket) {
    const int setCount = ticket.CompletedSets == 0 ? 1 : ticket.CompletedSets;
    // The region tickets keep their numbers in fixed sets that are all one ticket.
    const int drawn =
        std::clamp(UsesSetOneColour(ticket.Kind) ? int{ticket.CurrentSet} : setCount, 0, kSetCount);
    const int places = std::min<int>(ticket.SpotsPerSet, TicketSet::kSlots);
    for (int p = 1; p <= places; ++p) {
        for (int s = 1; s <= drawn; ++s) {
            const int n = ticket.Sets[static_cast<std::size_t>(s)].number(p);
            if (n < 1 || n > board::kNumbers) continue;
            const int x = kCellSize * (board::Column(n) + 1) - 9;
            const int y =
                n <= 40 ? 66 + kCellSize * board::Row(n) : 180 + kCellSize * (board::Row(n) - 4);
            out.texts.push_back(
                Text{QString(QChar(kCheckGlyph)), kSymbolFont, 31, Anchor::Centre, x, y, {}});
            if (setCount > 1)
                out.texts.push_back(centred(QStringLiteral("set %1").arg(s), 9, x, y + 20));
        }
    }
}

}  // namespace

int WaySummaryHeight(qsizetype length) {
    int height = 15;
    for (const int limit : {75, 85, 95, 105})
        if (length > limit) --height;
    return height;
}

DeviceMap DeviceMap::centred(int pageWidthPixels, int pageHeightPixels, int dpiX, int dpiY) {
    return {dpiX, dpiY, (pageWidthPixels - 4 * dpiX) / 2, (pageHeightPixels - 3 * dpiY) / 2};
}

Printout LayOut(const GameState& state, const way::WayCountArray& wayCountsEdit) {
    Printout out;
    out.frame = {0, 0, kWidth, kHeight};
    for (const auto& [top, bottom] :
         {std::pair{6, 33}, {35, 62}, {64, 91}, {93, 120}, {122, 265}, {267, 294}})
        out.roundedBoxes.push_back({287, top, 395, bottom});
    addGrid(out, 68);
    addGrid(out, 182);

    if (state.Kind == TicketKind::Way) {
        const QString summary = way::WaySummary(wayCountsEdit, state.SpotsPerSet);
        out.texts.push_back(Text{summary,
                                 kTimes,
                                 WaySummaryHeight(summary.size()),
                                 Anchor::WrapCentre,
                                 0,
                                 0,
                                 {290, 144, 392, 260}});
    } else {
        out.texts.push_back(
            Text{state.KindCode, kTimes, 60, Anchor::WrapCentre, 0, 0, {290, 170, 392, 260}});
    }
    // The name stands between the logo and x 131; it shrinks rather than run under the logo.
    out.texts.push_back(Text{
        QStringLiteral("VELLORO"), kTimes, 29, Anchor::Right, 131, 6, {}, 131 - kLogoRight - 2});
    out.texts.push_back(centred(money::Currency(state.AggregateLimit, 0), 20, 208, 12));
    out.texts.push_back(
        centred(QStringLiteral("Limit To Aggregate Players Each Game"), 9, 208, 34));
    const std::pair<const char*, int> captions[] = {
        {"TOTAL PRICE", 6},     {"NUMBER OF GAMES", 35},  {"PRICE PER WAY", 64},
        {"PRICE PER GAME", 93}, {"NUMBER OF SPOTS", 122}, {"OR WAYS PLAYED", 134},
        {"GAME NUMBER", 267}};
    for (const auto& [caption, y] : captions)
        out.texts.push_back(centred(QLatin1String(caption), 10, kBoxCentre, y));
    out.texts.push_back(centred(money::Currency(state.TotalPrice), 15, kBoxCentre, 16));
    out.texts.push_back(centred(QString::number(state.NumberOfGames), 15, kBoxCentre, 45));
    out.texts.push_back(centred(money::Currency(state.PricePerWay), 15, kBoxCentre, 74));
    out.texts.push_back(centred(money::Currency(state.PricePerGame), 15, kBoxCentre, 103));
    if (!HidesSpotBox(state.Kind))
        out.texts.push_back(centred(QString::number(state.SpotsMarked) + QStringLiteral(" SPOT"),
                                    15, kBoxCentre, 144));
    out.texts.push_back(centred(GameNumberText(state.GameNumber), 15, kBoxCentre, 277));
    for (int n = 1; n <= board::kNumbers; ++n) {
        const int x = 19 + kCellSize * board::Column(n);
        const int y =
            n <= 40 ? 70 + kCellSize * board::Row(n) : 184 + kCellSize * (board::Row(n) - 4);
        out.texts.push_back(centred(QString::number(n), 19, x, y));
    }
    addCheckMarks(out, state);
    out.logo = {6, 6, kLogoRight, kLogoRight};
    return out;
}

}  // namespace ticket_print
