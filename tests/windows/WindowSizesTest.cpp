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
#include <QTextStream>
#include <map>

#include "app/GameStartup.h"
#include "core/tickets/TicketFile.h"
#include "devices/QtWaiter.h"
#include "game/SoundPlayer.h"
#include "shell/AboutBox.h"
#include "shell/HelpViewer.h"
#include "shell/HelpWindow.h"
#include "ui/PictureControl.h"
#include "ui/ScreenArea.h"
#include "ui/WindowScaler.h"
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
    // The table is sized from the screen's layout area, as the game's start does.
    explicit EveryWindow(QScreen& screen)
        : started(OpenTable(state, sounds, help, waiter, screen_area::Of(&screen).size())),
          keno(*started.table) {
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
    StartedTable started;
    TableWindow& keno;
    WayWindow* way = new WayWindow(&keno);
    PauseDialog pause{keno.dialogContext(), settings, keno.state().PricePerGame};
    SoundsDialog soundsWindow{keno.dialogContext(), waiter};
    PayoffsWindow payoffs{keno.dialogContext(), keno.state(), [](ScheduleInForce&, int) {}};
    SavedTicketsDialog save{SavedTicketsDialog::Mode::Save, keno.dialogContext(), keno.state(),
                            QStringLiteral("Tickets.vlr")};
    AggregateNotice aggregate{state, sounds};
    // The main window has written Games.vlr here.
    HistoryWindow history{keno.dialogContext(), QStringLiteral("Games.vlr"), {}};
    ReplayWindow replay{keno.dialogContext(), keno.state().Payoffs, QStringLiteral("Games.vlr"), 0};
    FrequencyWindow balls{keno.dialogContext(), QStringLiteral("Games.vlr")};
    YourPlayWindow yourPlay{keno.dialogContext(), keno.state(), QStringLiteral("Games.vlr")};
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
            TicketFile(kTicketsFile).save(SavedTicketFromState(ticket, QLatin1String(name)));
    }
    ~PlayFolder() { QDir::setCurrent(previous_); }

  private:
    QTemporaryDir folder_;
    QString previous_;
};

constexpr char kScreenVariable[] = "VELLORO_TEST_SCREEN";
constexpr int kSmallestTextPixels = 9;

// A screen a run of a test is given: its size in device pixels, the
// scale factor Qt is told to use and where the screen's corner stands on the desktop.
struct Screen {
    QSize size;
    double scale = 1;
    QPoint origin{};
    QString name() const {
        QString name = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        if (scale != 1) name += QStringLiteral("@") + QString::number(scale);
        if (!origin.isNull()) name += QStringLiteral("+%1+%2").arg(origin.x()).arg(origin.y());
        return name;
    }
};

// The screen this run was given, by the name Screen::name gave it.
Screen thisScreen() {
    const QString name = qEnvironmentVariable(kScreenVariable);
    const QStringList sizeAndScale = name.section(QLatin1Char('+'), 0, 0).split(QLatin1Char('@'));
    const QStringList size = sizeAndScale.value(0).split(QLatin1Char('x'));
    return {QSize(size.value(0).toInt(), size.value(1).toInt()),
            sizeAndScale.size() > 1 ? sizeAndScale.value(1).toDouble() : 1.0};
}

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
    const auto* image = qobject_cast<const PictureControl*>(&widget);
    if (image != nullptr && image->captionPixels != 0) {
        EXPECT_GE(image->captionPixels, kSmallestTextPixels) << nameOf(widget) << " caption";
    }
    EXPECT_GE(QFontInfo(widget.font()).pixelSize(), kSmallestTextPixels) << nameOf(widget);
}

// Text is sized from a window's height and its boxes from its width: no
// window may be scaled more in height than in width, or its text runs out
// of its boxes (as on a portrait screen).
void expectTextFitsItsBoxes(const QWidget& window) {
    for (const WindowScaler* scaler : window.findChildren<WindowScaler*>()) {
        const auto* client = qobject_cast<const QWidget*>(scaler->parent());
        const QSize design = scaler->designSize();
        const double across = static_cast<double>(client->width()) / design.width();
        const double down = static_cast<double>(client->height()) / design.height();
        EXPECT_LE(down, across * 1.01)
            << nameOf(*client) << ": " << client->width() << " x " << client->height()
            << " for a design of " << design.width() << " x " << design.height();
    }
}

// On the screen this run of the test was given.
void checkEveryWindowOnThisScreen() {
    const QSize expected = thisScreen().size;
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
        expectTextFitsItsBoxes(*window);
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
// when this process is already that run, on the screen it names. Gives what
// each run printed, by the screen's name.
bool ranOnScreensOfTheirOwn(std::initializer_list<Screen> screens,
                            std::map<QString, QByteArray>* outputs = nullptr) {
    if (!qEnvironmentVariableIsEmpty(kScreenVariable)) return false;
    const ::testing::TestInfo& self = *::testing::UnitTest::GetInstance()->current_test_info();
    const QString filter =
        QStringLiteral("--gtest_filter=%1.%2").arg(self.test_suite_name(), self.name());
    QTemporaryDir folder;
    for (const Screen& screen : screens) {
        const QSize size = screen.size;
        const QString name = screen.name();
        const QString config = folder.filePath(name + QStringLiteral(".json"));
        QFile file(config);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("{\"screens\": [{\"name\": \"screen\", \"x\": %3, \"y\": %4, "
                                  "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                                  "\"logicalBaseDpi\": 96, \"dpr\": 1.0}]}")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(screen.origin.x())
                       .arg(screen.origin.y())
                       .toUtf8());
        file.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                           QStringLiteral("offscreen:configfile=") + config);
        environment.insert(QLatin1String(kScreenVariable), name);
        environment.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
        if (screen.scale != 1)
            environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(screen.scale));
        else
            environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
        QProcess run;
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(), {filter});
        EXPECT_TRUE(run.waitForFinished(120000)) << name.toStdString();
        const QByteArray output = run.readAll();
        EXPECT_EQ(run.exitCode(), 0) << name.toStdString() << "\n" << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
        if (outputs != nullptr) (*outputs)[name] = output;
    }
    return true;
}

// How soft a control's picture is on the screen: of the pixels where the
// colour changes (from the one to the right or below), the share whose
// colour is none of the picture's plain colours (its fill, ink and bevel
// shades: each colour covering at least 1 in 200 of its pixels). A picture
// drawn at the screen's pixels has soft pixels only where text is smoothed;
// one painted smaller and stretched has them along every edge.
double softEdgeShare(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    const long long plainCount = static_cast<long long>(image.width()) * image.height() / 200;
    int edges = 0, soft = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const QRgb here = image.pixel(x, y);
            if (here == image.pixel(x + 1, y) && here == image.pixel(x, y + 1)) continue;
            ++edges;
            if (counts[here] < plainCount) ++soft;
        }
    return edges == 0 ? 0.0 : static_cast<double>(soft) / edges;
}

constexpr char kSoftnessLine[] = "soft edges ";

// Prints the soft edge share of every painted control shown, one line each.
void printSoftnessOfEveryControl() {
    PlayFolder folder;
    EveryWindow windows(*QGuiApplication::primaryScreen());
    std::vector<QWidget*> all = windows.sideWindows();
    all.push_back(&windows.keno);
    all.push_back(windows.way);
    for (QWidget* window : all) window->show();
    QTextStream out(stdout);
    for (QWidget* window : all) {
        int index = 0;
        for (PictureControl* control : window->findChildren<PictureControl*>()) {
            ++index;
            if (!control->isVisibleTo(window) || control->width() < 8 || control->height() < 8)
                continue;
            const double share = softEdgeShare(control->grab().toImage());
            out << kSoftnessLine << QString::fromStdString(nameOf(*control)).replace(' ', '_')
                << '#' << index << ' ' << share << '\n';
        }
    }
}

// The figures a run printed, by control.
std::map<QString, double> softnessIn(const QByteArray& output) {
    std::map<QString, double> shares;
    for (const QByteArray& line : output.split('\n')) {
        if (!line.startsWith(kSoftnessLine)) continue;
        const QList<QByteArray> words = line.mid(int(sizeof kSoftnessLine) - 1).split(' ');
        if (words.size() == 2) shares[QString::fromUtf8(words[0])] = words[1].toDouble();
    }
    return shares;
}

}  // namespace

// Every window opens at its share of the screen, centred on it, wherever the
// screen stands on the desktop (here at 300, 200). The screen is 800 x 800, taller than 4:3: the
// windows are laid out on its middle band of 800 x 600, 1.25 times the 640 x 480 they are designed
// for both ways (at 5/3 of their height their text would outgrow their boxes); the client sizes
// below are worked out by hand from each window's design size (halves to even).
TEST(WindowSizes, EveryWindowTakesItsShareOfTheScreenCentred) {
    if (ranOnScreensOfTheirOwn({{QSize(800, 800), 1, QPoint(300, 200)}})) return;
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->geometry().size(), QSize(800, 800));
    PlayFolder folder;
    EveryWindow windows(*screen);
    EXPECT_EQ(windows.keno.centralWidget()->size(), QSize(625, 500));
    EXPECT_EQ(windows.way->size(), QSize(140, 488));
    const std::vector<std::pair<QWidget*, QSize>> centred{
        {&windows.pause, {338, 169}},           {&windows.soundsWindow, {228, 135}},
        {&windows.payoffs, {625, 542}},         {&windows.save, {375, 235}},
        {&windows.aggregate, {250, 92}},        {&windows.about, {412, 404}},
        {&windows.history, {212, 500}},         {&windows.replay, {438, 438}},
        {&windows.balls, {669, 466}},           {&windows.yourPlay, {750, 550}},
        {windows.help.helpWindow(), {550, 425}}};
    for (const auto& [window, size] : centred) {
        EXPECT_EQ(window->size(), size) << window->windowTitle().toStdString();
        // A shown window's frame may shift it by its border.
        const QPoint offCentre = window->geometry().center() - screen->geometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 4) << window->windowTitle().toStdString();
    }
    // The table, moved aside for the way window, to the screen's left edge.
    EXPECT_EQ(windows.keno.pos().x(), screen->geometry().left());
    const QRect table(windows.keno.pos(), windows.keno.sizeHint());
    EXPECT_LE(qAbs(table.center().y() - screen->geometry().center().y()), 4);
}

// On each screen the game is played on, every list shows whole rows only; on
// the smallest, no text is smaller than 9 pixels. Each screen is a run of
// this test in a process of its own, whose off-screen platform has that one
// screen.
TEST(WindowSizes, ListsShowWholeRowsAndTextStaysReadableOnEveryScreen) {
    if (ranOnScreensOfTheirOwn(
            {{QSize(640, 480)}, {QSize(1024, 768)}, {QSize(1920, 1080)}, {QSize(1080, 1920)}}))
        return;
    checkEveryWindowOnThisScreen();
}

// On a 3840 x 2160 screen scaled by 2 or by 1.5 every painted control is as
// sharp as on the same screen unscaled, where the windows cover the same
// pixels: its share of soft edge pixels is no more than a twentieth above.
TEST(WindowSizes, PaintedControlsAreAsSharpOnAScaledScreen) {
    std::map<QString, QByteArray> outputs;
    const Screen unscaled{QSize(3840, 2160)}, twice{QSize(3840, 2160), 2},
        half{QSize(3840, 2160), 1.5};
    if (ranOnScreensOfTheirOwn({unscaled, twice, half}, &outputs)) {
        const std::map<QString, double> sharp = softnessIn(outputs[unscaled.name()]);
        ASSERT_GT(sharp.size(), 100u);
        for (const Screen& scaled : {twice, half}) {
            const std::map<QString, double> shares = softnessIn(outputs[scaled.name()]);
            for (const auto& [control, share] : sharp) {
                ASSERT_TRUE(shares.count(control)) << control.toStdString();
                EXPECT_LE(shares.at(control), share + 0.05)
                    << control.toStdString() << " at " << scaled.name().toStdString();
            }
        }
        return;
    }
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), thisScreen().scale);
    printSoftnessOfEveryControl();
}
