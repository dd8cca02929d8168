#pragma once

#include <QWidget>

#include "shell/HelpFile.h"

class Announcer;
class QAction;
class QLineEdit;
class QListWidget;
class QStackedWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// The help window: the contents beside the text of a topic, back and forward
// through the topics read, links between topics, and find: while the find
// field holds words, the topics that hold them stand in place of the contents,
// and Enter or F3 go through the places in the open topic.
// Pages are "help:contents" and "help:<number>".
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // screen: the size of the screen it opens on; it takes a share of it.
    HelpWindow(const HelpFile& file, QSize screen);

    void showContentsPage();
    void showTopicPage(int number);
    // Selects the next (or previous) place where one of the find field's words
    // stands in the open topic, going round at the end; from the contents or a
    // topic without the words, opens the first topic found instead. False when
    // no topic holds the words.
    bool findNext(bool backward = false);
    // Opens a topic with the first place of one of the find field's words selected.
    void openFound(int number);

    QTextBrowser* browser() const { return browser_; }
    QTreeWidget* contents() const { return contents_; }
    // The topics found for the find field's words; shown in place of the
    // contents while the field holds any.
    QListWidget* found() const { return found_; }
    QLineEdit* findField() const { return findField_; }
    QAction* backAction() const { return back_; }
    QAction* forwardAction() const { return forward_; }

    // The window's size on a screen: the same share of every screen.
    static QSize sizeForScreen(QSize screen);
    // The text's pixel size on a screen, so it keeps its share of the window.
    static int textPixelSize(QSize screen);

  private:
    void fillContents();
    void followSource(const QUrl& source);
    void listFound();
    bool selectInPage(bool backward);
    void selectFirstPlace();

    const HelpFile& file_;
    QTextBrowser* browser_ = nullptr;
    QStackedWidget* index_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    Announcer* announcer_ = nullptr;
    QListWidget* found_ = nullptr;
    QLineEdit* findField_ = nullptr;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
};
