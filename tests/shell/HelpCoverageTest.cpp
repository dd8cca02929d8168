#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <set>

#include "app/GameStartup.h"
#include "devices/QtWaiter.h"
#include "game/SoundPlayer.h"
#include "shell/HelpFile.h"
#include "shell/HelpViewer.h"
#include "ui/WhatsThis.h"
#include "windows/FrequencyWindow.h"
#include "windows/HistoryWindow.h"
#include "windows/PauseDialog.h"
#include "windows/PayoffsWindow.h"
#include "windows/TableWindow.h"
#include "windows/WayWindow.h"
#include "windows/YourPlayWindow.h"

namespace {

// Every help number a control of this window offers through "What's this?".
void CollectHelpNumbers(const QWidget& window, std::set<int>& numbers) {
    QList<const QWidget*> controls{&window};
    for (const QWidget* child : window.findChildren<QWidget*>()) controls.append(child);
    for (const QWidget* control : controls) {
        const QVariant number = control->property(kHelpNumberProperty);
        if (number.isValid()) numbers.insert(number.toInt());
    }
}

}  // namespace

TEST(HelpCoverage, EveryHelpNumberOfEveryWindowHasATopic) {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const auto showHelp = [](int, QPoint) {};
    std::set<int> numbers;
    {
        GameState state;
        RecordingSoundPlayer sounds;
        HelpViewer help;
        PauseSettings settings;
        QFile::copy(QStringLiteral(VELLORO_BUILD_DIR "/cpos.vlr"), QStringLiteral("cpos.vlr"));
        QtWaiter waiter;
        const StartedTable started = OpenTable(state, sounds, help, waiter, {640, 480});
        TableWindow& keno = *started.table;
        auto* way = new WayWindow(&keno);
        keno.attachWayWindow(way);
        CollectHelpNumbers(keno, numbers);
        CollectHelpNumbers(*way, numbers);
        PauseDialog pause({state, sounds, showHelp}, settings, state.PricePerGame);
        CollectHelpNumbers(pause, numbers);
        PayoffsWindow payoffs({state, sounds, showHelp}, state, [](ScheduleInForce&, int) {});
        CollectHelpNumbers(payoffs, numbers);
        // The main window has written Games.vlr into this folder.
        HistoryWindow history({state, sounds, showHelp}, QStringLiteral("Games.vlr"), {});
        CollectHelpNumbers(history, numbers);
        FrequencyWindow balls({state, sounds, showHelp}, QStringLiteral("Games.vlr"));
        CollectHelpNumbers(balls, numbers);
        YourPlayWindow yourPlay({state, sounds, showHelp}, state, QStringLiteral("Games.vlr"));
        CollectHelpNumbers(yourPlay, numbers);
    }
    QDir::setCurrent(previous);

    // The main window, the way window, the pauses, the payoffs, the history,
    // the frequency chart and your play each offer help.
    for (int sample : {72, 92, 69, 116, 136, 194, 151, 162, 171, 181})
        EXPECT_TRUE(numbers.count(sample)) << sample;
    const HelpFile file = HelpFile::builtIn();
    for (int number : numbers) {
        const HelpFile::Topic* topic = file.topic(number);
        ASSERT_NE(topic, nullptr) << "no help topic " << number;
        EXPECT_FALSE(topic->title.isEmpty()) << number;
        EXPECT_GE(topic->text.size(), 20) << "topic " << number << " says too little";
    }
    // The Help menu's own two topics.
    EXPECT_NE(file.topic(1), nullptr);
    EXPECT_NE(file.topic(37), nullptr);
    // No link between topics leads nowhere.
    for (const auto& [number, topic] : file.topics())
        for (const HelpFile::Link& link : HelpFile::links(topic.text))
            EXPECT_NE(file.topic(link.target), nullptr)
                << "topic " << number << " links to " << link.target;
    // No topic takes another's number: the later one would hide the earlier.
    QFile source(QStringLiteral(":/help/Keno.hlp"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QRegularExpression heading(QStringLiteral("^@(\\d+) "));
    std::set<int> headings;
    for (const QString& line : QString::fromUtf8(source.readAll()).split(QLatin1Char('\n')))
        if (const QRegularExpressionMatch match = heading.match(line); match.hasMatch()) {
            EXPECT_TRUE(headings.insert(match.captured(1).toInt()).second)
                << "two topics numbered " << match.captured(1).toStdString();
        }
}
