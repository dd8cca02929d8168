// A 1000-game run with sounds off and no pauses, painting into a real view
// of 80 picture cells so the figure includes the repaint work.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <array>

#include "game/GameCycle.h"
#include "game/TicketBuilder.h"
#include "support/QuietTable.h"
#include "ui/WindowStyle.h"

namespace {

// Does what the window's painting does: each cell is its own image.
class ImageTableView : public QuietTableView {
  public:
    ImageTableView() {
        for (QImage& cell : cells_) cell = QImage(32, 32, QImage::Format_RGB32);
    }
    void paintCell(int number, CellLook look, Rgb colour) override {
        QImage& cell = cells_[static_cast<std::size_t>(number)];
        QPainter painter(&cell);
        const bool red = look == CellLook::Caught || look == CellLook::NotCaught;
        painter.fillRect(cell.rect(), red ? Qt::red : Qt::blue);
        painter.setPen(ToQColor(colour));
        painter.drawText(cell.rect(), Qt::AlignCenter, QString::number(number));
    }
    void showBall(const CalledBall& ball) override {
        paintCell(ball.number, ball.caught ? CellLook::Caught : CellLook::NotCaught, ball.colour);
    }
    void showStatus(const GameStatus& status) override {
        status_ = StatusWord(status) + GameNumberText(status.gameNumber);
    }
    void showCentreMessage(const QString& text) override { centre_ = text; }
    void showResult(Money gameWin) override { centre_ = ResultText(gameWin); }
    void showBalance(Money balance) override { caption_ = BalanceCaption(balance); }

  private:
    std::array<QImage, 81> cells_;
    QString status_, centre_, caption_;
};

// Every game is a bust: the figure is the cycle's and the view's, not the evaluation's.
class NoWins : public GameEvaluator {
  public:
    GameResult evaluate(GameState& state) override {
        state.GameWin = 0;
        return GameResult{0, {}};
    }
};

void BM_ThousandGameRun(benchmark::State& bench) {
    for (auto _ : bench) {
        GameState state;
        state.SoundsOn = false;
        state.AggregateLimit = money::Dollars(50000);
        ImageTableView view;
        InstantWaiter waiter;
        SilentSoundPlayer sounds;
        TableControls table(state, view, sounds, waiter);
        QuietWayRows rows;
        TicketBuilder tickets(table, rows);
        RandomSource random;
        NoWins evaluator;
        HistoryRecorder recorder(QString(), false);
        NoPrinting printer;
        GameCycle cycle(table, random, {tickets, evaluator, recorder, printer});
        for (int n : {5, 17, 23, 38, 44, 61, 79}) tickets.onCellPressed(n);
        state.NumberOfGames = 1000;
        bet::UpdateTotals(state);
        cycle.play();
        benchmark::DoNotOptimize(state.Balance);
    }
}
BENCHMARK(BM_ThousandGameRun)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
