#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

// One application object for every test; widgets render off screen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Tests never reach a real sound card; the disk driver, asked for by name,
    // writes what would be heard to a file for listening to a whole game.
    if (qgetenv("SDL_AUDIODRIVER") != "disk") qputenv("SDL_AUDIODRIVER", "dummy");
    // Currency texts are checked as a plain machine shows them: "$1,250.00".
    QLocale::setDefault(QLocale::c());
    qputenv("LC_ALL", "C");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
