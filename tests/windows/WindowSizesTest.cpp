#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include "game/SoundPlayer.h"
#include "shell/AboutBox.h"
#include "shell/HelpViewer.h"
#include "shell/HelpWindow.h"
#include "windows/TFormAggregate.h"
#include "windows/TFormBalls.h"
#include "windows/TFormHistory.h"
#include "windows/TFormKeno.h"
#include "windows/TFormPause.h"
#include "windows/TFormPayOffOd.h"
#include "windows/TFormSaveLoad.h"
#include "windows/TFormShowGame.h"
#include "windows/TFormSounds.h"
#include "windows/TFormWay.h"

// Every window opens at its share of the screen, centred on it. The test
// screen is 800 x 800: 1.25 times as wide and 5/3 times as high as the
// 640 x 480 the windows are laid out on; the client sizes below are worked
// out by hand from each window's design size (halves to even).
TEST(WindowSizes, EveryWindowTakesItsShareOfTheScreenCentred) {
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->geometry().size(), QSize(800, 800));
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QFile::copy(QStringLiteral(VELLORO_BUILD_DIR "/cpos.vlr"), QStringLiteral("cpos.vlr"));
    {
        GameState state;
        RecordingSoundPlayer sounds;
        HelpViewer help;
        PauseSettings settings;
        TFormKeno keno(state, sounds, help, screen->size());
        auto* way = new TFormWay(&keno);
        TFormPause pause(state, settings, sounds);
        TFormSounds soundsWindow(state, sounds);
        TFormPayOffOd payoffs(state, sounds, [](GameState&, int) {});
        TFormSaveLoad save(TFormSaveLoad::Mode::Save, state, sounds, QStringLiteral("Tickets.vlr"));
        TFormAggregate aggregate(state, sounds);
        // The main window has written Games.vlr here.
        TFormHistory history(state, sounds, QStringLiteral("Games.vlr"), {});
        TFormShowGame replay(state, sounds, QStringLiteral("Games.vlr"));
        TFormBalls balls(state, sounds, QStringLiteral("Games.vlr"));
        AboutBox about;
        help.showContents();

        EXPECT_EQ(keno.centralWidget()->size(), QSize(625, 667));
        EXPECT_EQ(way->size(), QSize(140, 650));
        const std::vector<std::pair<QWidget*, QSize>> centred{
            {&pause, {338, 225}},     {&soundsWindow, {228, 180}},
            {&payoffs, {625, 723}},   {&save, {375, 313}},
            {&aggregate, {250, 123}}, {&about, {412, 417}},
            {&history, {212, 667}},   {&replay, {438, 583}},
            {&balls, {669, 622}},     {help.helpWindow(), {550, 567}}};
        for (const auto& [window, size] : centred) {
            EXPECT_EQ(window->size(), size) << window->windowTitle().toStdString();
            // A shown window's frame may shift it by its border.
            const QPoint offCentre = window->geometry().center() - screen->geometry().center();
            EXPECT_LE(offCentre.manhattanLength(), 4) << window->windowTitle().toStdString();
        }
    }
    QDir::setCurrent(previous);
}
