#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

#include "shell/HelpViewer.h"
#include "shell/HelpWindow.h"

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

    viewer.showTopic(1);
    EXPECT_TRUE(text.toPlainText().startsWith(QStringLiteral("Intro To Keno")));
    EXPECT_FALSE(text.toPlainText().contains(QStringLiteral("[[")));
    EXPECT_EQ(help->contents()->currentItem()->text(0), QStringLiteral("Intro To Keno"));

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
    QLabel* popup = viewer.popupWindow();
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
}
