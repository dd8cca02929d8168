#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QListView>
#include <QListWidget>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

#include "core/tickets/TicketFile.h"
#include "devices/QtWaiter.h"
#include "game/SoundPlayer.h"
#include "shell/AboutBox.h"
#include "shell/HelpViewer.h"
#include "shell/HelpWindow.h"
#include "ui/ImageButton.h"
#include "windows/AggregateNotice.h"
#include "windows/FrequencyWindow.h"
#include "windows/HistoryListBox.h"
#include "windows/HistoryWindow.h"
#include "windows/PauseDialog.h"
#include "windows/PayoffsWindow.h"
#include "windows/ReplayWindow.h"
#include "windows/SavedTicketsDialog.h"
#include "windows/SoundsDialog.h"
#include "windows/TableWindow.h"
#include "windows/WayWindow.h"
#include "windows/YourPlayWindow.h"

namespace {

// Every window of the game, opened in a scratch play folder on the screen
// the test runs on.
struct EveryWindow {
    explicit EveryWindow(QScreen& screen) : keno(state, sounds, help, waiter, screen.size()) {
        // A way ticket of one group of 3 shows its first row.
        for (int n : {5, 15, 25})
            Q_EMIT keno.cell(n)->mousePressed(Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        keno.attachWayWindow(way);
        keno.menu().way->trigger();
        help.showContents();
    }

    // The windows opened from the menus.
    std::vector<QWidget*> sideWindows() {
        return {&pause,   &soundsWindow, &payoffs, &save,     &aggregate,       &about,
                &history, &replay,       &balls,   &yourPlay, help.helpWindow()};
    }

    GameState state;
    RecordingSoundPlayer sounds;
    HelpViewer help;
    PauseSettings settings;
    QtWaiter waiter;
    TableWindow keno;
    WayWindow* way = new WayWindow(&keno);
    PauseDialog pause{keno.dialogContext(), settings};
    SoundsDialog soundsWindow{keno.dialogContext(), waiter};
    PayoffsWindow payoffs{keno.dialogContext(), [](GameState&, int) {}};
    SavedTicketsDialog save{SavedTicketsDialog::Mode::Save, keno.dialogContext(),
                            QStringLiteral("Tickets.vlr")};
    AggregateNotice aggregate{state, sounds};
    // The main window has written Games.vlr here.
    HistoryWindow history{keno.dialogContext(), QStringLiteral("Games.vlr"), {}};
    ReplayWindow replay{keno.dialogContext(), QStringLiteral("Games.vlr"), 0};
    FrequencyWindow balls{keno.dialogContext(), QStringLiteral("Games.vlr")};
    YourPlayWindow yourPlay{keno.dialogContext(), QStringLiteral("Games.vlr")};
    AboutBox about;
};

// A scratch play folder with the delivered schedules and eight saved tickets.
class PlayFolder {
  public:
    PlayFolder() : previous_(QDir::currentPath()) {
        QDir::setCurrent(folder_.path());
        QFile::copy(QStringLiteral(VELLORO_BUILD_DIR "/cpos.vlr"), QStringLiteral("cpos.vlr"));
        GameState ticket;
        ticket.Sets[1].Numbers[0] = 7;
        ticket.SpotsMarked = 1;
        for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h"})
            TicketFile(kTicketsFile).save(savedTicketFromState(ticket, QLatin1String(name)));
    }
    ~PlayFolder() { QDir::setCurrent(previous_); }

  private:
    QTemporaryDir folder_;
    QString previous_;
};

constexpr char kScreenVariable[] = "VELLORO_TEST_SCREEN";
constexpr int kSmallestTextPixels = 9;

std::string nameOf(const QWidget& widget) {
    const QString name = widget.objectName().isEmpty()
                             ? QString::fromLatin1(widget.metaObject()->className())
                             : widget.objectName();
    return (widget.window()->windowTitle() + QLatin1String(": ") + name).toStdString();
}

// A list without a scroll bar pages through its rows: it must show whole rows.
void expectWholeRows(const QListView& list) {
    if (list.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff || list.model() == nullptr ||
        list.model()->rowCount() == 0)
        return;
    const int row = list.visualRect(list.model()->index(0, 0)).height();
    ASSERT_GT(row, 0) << nameOf(list);
    const int shown = list.viewport()->height();
    EXPECT_EQ(shown % row, 0) << nameOf(list) << ": " << shown << " pixels for rows of " << row;
}

// Text in a widget's font and painted captions.
void expectReadable(const QWidget& widget) {
    const auto* image = qobject_cast<const ImageButton*>(&widget);
    if (image != nullptr && image->captionPixels != 0) {
        EXPECT_GE(image->captionPixels, kSmallestTextPixels) << nameOf(widget) << " caption";
    }
    EXPECT_GE(QFontInfo(widget.font()).pixelSize(), kSmallestTextPixels) << nameOf(widget);
}

// On the screen this run of the test was given.
void checkEveryWindowOnThisScreen() {
    const QStringList size = qEnvironmentVariable(kScreenVariable).split(QLatin1Char('x'));
    const QSize expected(size.value(0).toInt(), size.value(1).toInt());
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->geometry().size(), expected);
    PlayFolder folder;
    EveryWindow windows(*screen);
    std::vector<QWidget*> all = windows.sideWindows();
    all.push_back(&windows.keno);
    all.push_back(windows.way);
    // A window lays itself out for its size when it is shown.
    for (QWidget* window : all) window->show();
    for (QWidget* window : all) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (const QWidget* widget : widgets) {
            if (const auto* list = qobject_cast<const QListView*>(widget)) expectWholeRows(*list);
            if (expected == QSize(640, 480)) expectReadable(*widget);
        }
    }
    // The two lists that page show the rows they are laid out for.
    const int historyRow =
        windows.history.gameList->visualItemRect(windows.history.gameList->item(0)).height();
    EXPECT_EQ(windows.history.gameList->viewport()->height(), 20 * historyRow);
    const int namesRow =
        windows.save.nameList->visualItemRect(windows.save.nameList->item(0)).height();
    EXPECT_EQ(windows.save.nameList->viewport()->height(), 6 * namesRow);
}

// Runs the calling test again in a process of its own whose off-screen
// platform has one screen of each size, and expects it to pass there; false
// when this process is already that run, on the screen it names.
bool ranOnScreensOfTheirOwn(std::initializer_list<QSize> sizes) {
    if (!qEnvironmentVariableIsEmpty(kScreenVariable)) return false;
    const ::testing::TestInfo& self = *::testing::UnitTest::GetInstance()->current_test_info();
    const QString filter =
        QStringLiteral("--gtest_filter=%1.%2").arg(self.test_suite_name(), self.name());
    QTemporaryDir folder;
    for (const QSize size : sizes) {
        const QString name = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        const QString config = folder.filePath(name + QStringLiteral(".json"));
        QFile file(config);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, "
                                  "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                                  "\"logicalBaseDpi\": 96, \"dpr\": 1.0}]}")
                       .arg(size.width())
                       .arg(size.height())
                       .toUtf8());
        file.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                           QStringLiteral("offscreen:configfile=") + config);
        environment.insert(QLatin1String(kScreenVariable), name);
        QProcess run;
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(), {filter});
        EXPECT_TRUE(run.waitForFinished(120000)) << name.toStdString();
        const QByteArray output = run.readAll();
        EXPECT_EQ(run.exitCode(), 0) << name.toStdString() << "\n" << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    }
    return true;
}

}  // namespace

// Every window opens at its share of the screen, centred on it. The screen
// is 800 x 800: 1.25 times as wide and 5/3 times as high as the 640 x 480 the
// windows are laid out on; the client sizes below are worked out by hand from
// each window's design size (halves to even).
TEST(WindowSizes, EveryWindowTakesItsShareOfTheScreenCentred) {
    if (ranOnScreensOfTheirOwn({QSize(800, 800)})) return;
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->geometry().size(), QSize(800, 800));
    PlayFolder folder;
    EveryWindow windows(*screen);
    EXPECT_EQ(windows.keno.centralWidget()->size(), QSize(625, 667));
    EXPECT_EQ(windows.way->size(), QSize(140, 650));
    const std::vector<std::pair<QWidget*, QSize>> centred{
        {&windows.pause, {338, 225}},           {&windows.soundsWindow, {228, 180}},
        {&windows.payoffs, {625, 723}},         {&windows.save, {375, 313}},
        {&windows.aggregate, {250, 123}},       {&windows.about, {412, 538}},
        {&windows.history, {212, 667}},         {&windows.replay, {438, 583}},
        {&windows.balls, {669, 622}},           {&windows.yourPlay, {750, 733}},
        {windows.help.helpWindow(), {550, 567}}};
    for (const auto& [window, size] : centred) {
        EXPECT_EQ(window->size(), size) << window->windowTitle().toStdString();
        // A shown window's frame may shift it by its border.
        const QPoint offCentre = window->geometry().center() - screen->geometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 4) << window->windowTitle().toStdString();
    }
}

// On each screen the game is played on, every list shows whole rows only; on
// the smallest, no text is smaller than 9 pixels. Each screen is a run of
// this test in a process of its own, whose off-screen platform has that one
// screen.
TEST(WindowSizes, ListsShowWholeRowsAndTextStaysReadableOnEveryScreen) {
    if (ranOnScreensOfTheirOwn({QSize(640, 480), QSize(1024, 768), QSize(1920, 1080)})) return;
    checkEveryWindowOnThisScreen();
}
