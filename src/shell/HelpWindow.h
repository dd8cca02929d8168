#pragma once

#include <QWidget>

#include "shell/HelpFile.h"

class QAction;
class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// The help window: the contents beside the text of a topic, back and forward
// through the topics read, find in the text, and links between topics.
// Pages are "help:contents" and "help:<number>".
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // screen: the size of the screen it opens on; it takes a share of it.
    HelpWindow(const HelpFile& file, QSize screen);

    void showContentsPage();
    void showTopicPage(int number);
    // Selects the next (or previous) place where the find field's text occurs,
    // going round at the end; false when the text is nowhere in the page.
    bool findNext(bool backward = false);

    QTextBrowser* browser() const { return browser_; }
    QTreeWidget* contents() const { return contents_; }
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

    const HelpFile& file_;
    QTextBrowser* browser_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* findField_ = nullptr;
    QLabel* findResult_ = nullptr;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
};
