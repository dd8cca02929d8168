#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <string>

#include "shell/HelpViewer.h"
#include "shell/HelpWindow.h"
#include "support/ToldListener.h"

namespace {

// Clicks the first link of the page that goes to this address, as a reader would.
bool ClickLink(QTextBrowser& browser, const QString& href) {
    const QTextDocument& document = *browser.document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isAnchor() || fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(browser.document());
            cursor.setPosition(fragment.position() + 1);
            const QPoint at = browser.cursorRect(cursor).center();
            QTest::mouseClick(browser.viewport(), Qt::LeftButton, Qt::NoModifier, at);
            return true;
        }
    return false;
}

int TopicEntries(const QTreeWidget& contents) {
    int entries = 0;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&contents)); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).isValid()) ++entries;
    return entries;
}

}  // namespace

TEST(HelpWindowTest, ContentsLinksBackForwardAndFind) {
    HelpViewer viewer;
    viewer.showContents();
    HelpWindow* help = viewer.helpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(help->isVisible());
    QTextBrowser& text = *help->browser();
    // Every topic is in the contents beside the text, and on the contents page.
    EXPECT_EQ(TopicEntries(*help->contents()), static_cast<int>(viewer.file().topics().size()));
    EXPECT_TRUE(text.toPlainText().contains(QStringLiteral("Velloro Help Topics")));
    EXPECT_TRUE(text.toPlainText().contains(QStringLiteral("Pause Between Games")));

    ToldListener listener;
    viewer.showTopic(1);
    EXPECT_TRUE(text.toPlainText().startsWith(QStringLiteral("Intro To Keno")));
    EXPECT_FALSE(text.toPlainText().contains(QStringLiteral("[[")));
    EXPECT_EQ(help->contents()->currentItem()->text(0), QStringLiteral("Intro To Keno"));
    // A screen reader hears the topic shown, and finds the contents by their name.
    EXPECT_EQ(listener.told(help), QStringList{"Intro To Keno"});
    EXPECT_EQ(help->contents()->accessibleName(), QStringLiteral("Contents"));

    ASSERT_TRUE(ClickLink(text, QStringLiteral("help:4")));
    EXPECT_TRUE(text.toPlainText().startsWith(QStringLiteral("Way Tickets")));
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Velloro Help - Way Tickets"));
    ASSERT_TRUE(help->backAction()->isEnabled());
    EXPECT_FALSE(help->forwardAction()->isEnabled());
    help->backAction()->trigger();
    EXPECT_TRUE(text.toPlainText().startsWith(QStringLiteral("Intro To Keno")));
    ASSERT_TRUE(help->forwardAction()->isEnabled());
    help->forwardAction()->trigger();
    EXPECT_TRUE(text.toPlainText().startsWith(QStringLiteral("Way Tickets")));

    // Find goes round the page: the second "group" after the last one is the first.
    QTest::keyClicks(help->findField(), QStringLiteral("GROUP"));
    EXPECT_EQ(text.textCursor().selectedText(), QStringLiteral("group"));
    const int first = text.textCursor().selectionStart();
    int found = 1;
    while (help->findNext() && text.textCursor().selectionStart() != first && found < 50) ++found;
    EXPECT_EQ(text.textCursor().selectionStart(), first);
    EXPECT_EQ(found, static_cast<int>(
                         text.toPlainText().count(QStringLiteral("group"), Qt::CaseInsensitive)));
    help->findField()->setText(QStringLiteral("zebra"));
    EXPECT_FALSE(help->findNext());

    viewer.quit();
    EXPECT_FALSE(help->isVisible());
}

TEST(HelpWindowTest, PopupOpensBesideItsControlInsideTheScreen) {
    QWidget control;
    control.setGeometry(100, 120, 80, 30);
    control.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control, 5000));
    HelpViewer viewer;
    viewer.showPopup(93, control.mapToGlobal(QPoint(40, 15)));
    HelpPopup* popup = viewer.popupWindow();
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(popup->isVisible());
    // Just below the control, not over it or at the pointer (window frames
    // may add a pixel or two).
    const QRect onScreen(control.mapToGlobal(QPoint(0, 0)), control.size());
    EXPECT_NEAR(popup->x(), onScreen.left(), 3);
    EXPECT_GT(popup->y(), onScreen.bottom());
    EXPECT_LT(popup->y(), onScreen.bottom() + 10);
    EXPECT_TRUE(viewer.popupText(93).contains(QStringLiteral("see Kinds Of Ticket")));

    // Where there is no room below, above; never past the screen's edges.
    const QRect screen(0, 0, 640, 480);
    EXPECT_EQ(HelpViewer::popupPosition({600, 440, 30, 20}, {200, 100}, screen), QPoint(440, 338));
    EXPECT_EQ(HelpViewer::popupPosition({10, 10, 30, 20}, {200, 500}, screen), QPoint(10, 0));

    // A press on a link closes the pop-up and opens the linked topic.
    QPoint link(-1, -1);
    for (int y = 0; y < popup->height() && link.x() < 0; y += 2)
        for (int x = 0; x < popup->width() && link.x() < 0; x += 2)
            if (popup->linkAt({x, y}) == QStringLiteral("help:3")) link = {x, y};
    ASSERT_GE(link.x(), 0) << "no link to Kinds Of Ticket in the pop-up";
    QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, Qt::NoModifier, link);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_NE(viewer.helpWindow(), nullptr);
    EXPECT_TRUE(viewer.helpWindow()->isVisible());
    EXPECT_TRUE(viewer.topicWindow()->toPlainText().startsWith(QStringLiteral("Kinds Of Ticket")));
    viewer.quit();
}

namespace {

// The titles in the list of topics found, "|" between them.
std::string FoundTitles(const HelpWindow& help) {
    QStringList titles;
    for (int row = 0; row < help.found()->count(); ++row) {
        const QListWidgetItem* item = help.found()->item(row);
        if (item->flags() & Qt::ItemIsEnabled) titles << item->text();
    }
    return titles.join(QLatin1Char('|')).toStdString();
}

}  // namespace

// Find looks through every topic as the reader sees it (link words and the
// titles a link shows included), not through the open page alone.
TEST(HelpWindowTest, FindListsEveryTopicHoldingTheWordsAndOpensOneAtItsFirstPlace) {
    HelpViewer viewer(
        HelpFile::parse(QStringLiteral("== Money\n"
                                       "@1 Your Balance\n"
                                       "What you have won or lost.\n"
                                       "@2 Playing\n"
                                       "Press PLAY; the price comes off\n"
                                       "your [[1|balance]].\n"
                                       "== Ways\n"
                                       "@3 Ways\n"
                                       "Groups of numbers, paid on [[1]].\n"
                                       "@4 Balance Reset\n"
                                       "Sets the BALANCE to zero.\n")));
    viewer.showTopic(3);
    HelpWindow& help = *viewer.helpWindow();
    QTextBrowser& text = *help.browser();
    auto find = [&](const QString& words) {
        help.findField()->clear();
        QTest::keyClicks(help.findField(), words);
        return FoundTitles(help);
    };

    // Titles that hold the words come first.
    EXPECT_EQ(find(QStringLiteral("balance")), "Your Balance|Balance Reset|Playing|Ways");
    EXPECT_TRUE(help.found()->isVisible());
    EXPECT_FALSE(help.contents()->isVisible());
    EXPECT_EQ(find(QStringLiteral("groups")), "Ways");
    EXPECT_EQ(find(QStringLiteral("  price   BALANCE ")), "Playing");
    EXPECT_EQ(find(QStringLiteral("your balance")), "Your Balance|Playing|Ways");
    EXPECT_EQ(find(QStringLiteral("zebra")), "");
    EXPECT_EQ(help.found()->count(), 1);  // a line that says nothing was found
    EXPECT_FALSE(help.findNext());

    // A topic opened from the list shows its first place selected.
    find(QStringLiteral("zero"));
    QListWidgetItem* reset = help.found()->item(0);
    QTest::mouseClick(help.found()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      help.found()->visualItemRect(reset).center());
    EXPECT_TRUE(text.toPlainText().startsWith(QStringLiteral("Balance Reset")));
    EXPECT_EQ(text.textCursor().selectedText(), QStringLiteral("zero"));
    find(QStringLiteral("balance"));
    help.openFound(1);
    EXPECT_EQ(text.textCursor().selectedText(), QStringLiteral("Balance"));
    EXPECT_TRUE(text.textCursor().block().text().startsWith(QStringLiteral("Your")));
    // Enter goes on through the open topic, from one place of any of the words to the next.
    find(QStringLiteral("balance price"));
    help.openFound(2);
    EXPECT_EQ(text.textCursor().selectedText(), QStringLiteral("price"));
    QTest::keyClick(help.findField(), Qt::Key_Return);
    EXPECT_EQ(text.textCursor().selectedText(), QStringLiteral("balance"));
    QTest::keyClick(help.findField(), Qt::Key_Return);
    EXPECT_EQ(text.textCursor().selectedText(), QStringLiteral("price"));
    // From the contents (where every title stands) or a topic without the
    // words, Enter opens the first topic that has them.
    help.showContentsPage();
    find(QStringLiteral("your balance"));
    QTest::keyClick(help.findField(), Qt::Key_Return);
    EXPECT_TRUE(text.toPlainText().startsWith(QStringLiteral("Your Balance")));
    find(QStringLiteral("groups"));
    QTest::keyClick(help.findField(), Qt::Key_Return);
    EXPECT_TRUE(text.toPlainText().startsWith(QStringLiteral("Ways")));
    EXPECT_EQ(text.textCursor().selectedText(), QStringLiteral("Groups"));

    // The game's own help: "balance" finds "Your Balance" first.
    const HelpFile builtIn = HelpFile::builtIn();
    ASSERT_FALSE(builtIn.find(QStringLiteral("balance")).empty());
    EXPECT_EQ(builtIn.topic(builtIn.find(QStringLiteral("balance")).front())->title,
              QStringLiteral("Your Balance"));

    // Emptied, the field gives the contents back.
    help.findField()->clear();
    EXPECT_TRUE(help.contents()->isVisible());
    viewer.quit();
}

// No title of the contents is ever cut short without a way to read it whole.
TEST(HelpWindowTest, EveryContentsTitleFitsOrShowsWholeInItsTooltip) {
    const HelpFile file = HelpFile::builtIn();
    for (const QSize screen : {QSize(640, 480), QSize(1024, 768), QSize(1920, 1080)}) {
        HelpWindow help(file, screen);
        help.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&help, 5000));
        const QTreeWidget& contents = *help.contents();
        const QFontMetrics metrics(contents.font());
        int entries = 0, fitting = 0;
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&contents)); *it; ++it) {
            const QTreeWidgetItem& item = **it;
            const QRect row = contents.visualItemRect(&item);
            // The text's width and a margin either side, as an item is drawn.
            const bool fits = row.left() + metrics.horizontalAdvance(item.text(0)) +
                                  2 * metrics.averageCharWidth() <=
                              contents.viewport()->width();
            ++entries;
            if (fits) ++fitting;
            EXPECT_TRUE(fits || item.toolTip(0) == item.text(0))
                << item.text(0).toStdString() << " at " << screen.width();
        }
        // Four in five titles at least are read without pointing at them.
        EXPECT_GE(fitting * 5, entries * 4) << screen.width();
    }
}
