#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "TableWindowFixture.h"
#include "shell/HelpViewer.h"
#include "ui/PictureControl.h"
#include "windows/TableWindow.h"

namespace {

// The table with the help built into the game, shown, so that clicks go
// through its window as a player's do (and a pop-up takes them first).
class WhatsThisPopupTest : public TableWindowFixture {
  protected:
    TableWindow& showTable() {
        writeSchedules(money::Dollars(50000));
        keno_ = OpenTable(state_, sound_, builtInHelp_, waiter_, QSize(640, 480)).table;
        keno_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(keno_.get(), 5000));
        return *keno_;
    }

    QPoint inTable(const QWidget* control, QPoint at) const {
        return control->mapTo(keno_.get(), at);
    }

    // A press and, once the table handles it (a number waits for the release), the release.
    void click(QPoint inWindow, Qt::MouseButton button = Qt::LeftButton) {
        QWindow* window = keno_->windowHandle();
        bool released = false;
        QTimer::singleShot(0, keno_.get(), [&] {
            QTest::mouseRelease(window, button, Qt::NoModifier, inWindow);
            released = true;
        });
        QTest::mousePress(window, button, Qt::NoModifier, inWindow);
        EXPECT_TRUE(QTest::qWaitFor([&] { return released; }, 5000));
    }

    // Right-clicks a control and chooses "What's this?" from its menu; the pop-up that opens.
    QWidget* askWhatsThis(const QWidget* control) {
        int tries = 0;
        auto* choose = new QTimer(keno_.get());
        QObject::connect(choose, &QTimer::timeout, choose, [choose, &tries] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (++tries > 400) choose->stop();
            if (!menu || menu->objectName() != QStringLiteral("WhatsThisMenu") ||
                !menu->isVisible())
                return;
            choose->stop();
            const QRect item = menu->actionGeometry(menu->actions().first());
            QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, Qt::NoModifier, item.center());
        });
        choose->start(5);
        click(inTable(control, control->rect().center()), Qt::RightButton);
        delete choose;
        return QApplication::activePopupWidget();
    }

    // A place on the table where no control is and the pop-up is not.
    QPoint bareTable(const QWidget* popup) const {
        const QWidget* client = keno_->centralWidget();
        for (int y = client->height() - 2; y > 0; y -= 7)
            for (int x = 2; x < client->width(); x += 7) {
                const QPoint global = client->mapToGlobal(QPoint(x, y));
                if (!client->childAt(x, y) && !popup->geometry().contains(global))
                    return client->mapTo(keno_.get(), QPoint(x, y));
            }
        ADD_FAILURE() << "no bare place on the table";
        return {};
    }

    HelpViewer builtInHelp_{HelpFile::builtIn()};
};

}  // namespace

// "What's this?" once froze the game: its pop-up took every click and key and
// never closed. Each way of closing it must close it and give the table back.
TEST_F(WhatsThisPopupTest, EveryWayOfClosingThePopupGivesTheTableBackItsClicks) {
    TableWindow& keno = showTable();
    PictureControl& five = *keno.cell(5);
    PictureControl& oneMoreGame = *keno.control(QStringLiteral("ImageNOGSU"));
    int marked = 0;
    auto clickFiveAgain = [&] {
        click(inTable(&five, five.rect().center()));
        marked = 1 - marked;
        EXPECT_EQ(state_.SpotsMarked, marked);
    };

    // A press on the bare table outside it.
    QWidget* popup = askWhatsThis(&five);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup, builtInHelp_.popupWindow());
    EXPECT_TRUE(builtInHelp_.popupWindow()->text().contains(QStringLiteral("The 80 numbers")));
    click(bareTable(popup));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    clickFiveAgain();

    // Escape, pressed wherever the keyboard was.
    popup = askWhatsThis(&oneMoreGame);
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(keno.windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    clickFiveAgain();

    // A press inside, on its words.
    popup = askWhatsThis(&five);
    ASSERT_NE(popup, nullptr);
    QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(popup->fontMetrics().height(), popup->fontMetrics().height()));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    clickFiveAgain();

    // The game losing the focus to another program.
    popup = askWhatsThis(&five);
    ASSERT_NE(popup, nullptr);
    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    QCoreApplication::sendEvent(qApp, &inactive);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    clickFiveAgain();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
}
