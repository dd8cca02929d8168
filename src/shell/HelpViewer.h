#pragma once

#include <QLabel>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTextBrowser>

#include "shell/HelpFile.h"

// Shows the help file: its contents, one topic, or a small pop-up for the
// "What's this?" of a control. One viewer serves every window.
class HelpViewer {
  public:
    explicit HelpViewer(HelpFile file = HelpFile::builtIn());
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    void showContents();
    void showTopic(int number);
    // The topic's text in a pop-up at a screen position (the pointer's by default).
    void showPopup(int number, QPoint at = QPoint(-1, -1));
    // Closes every help window.
    void quit();

    const HelpFile& file() const { return file_; }
    // What the pop-up for a number says; a number without topic still says something.
    QString popupText(int number) const;
    // The visible windows, for tests.
    QTextBrowser* topicWindow() const { return browser_; }
    QLabel* popupWindow() const { return popup_; }

  private:
    QTextBrowser* browser();
    QString contentsHtml() const;
    QString topicHtml(int number) const;

    HelpFile file_;
    QPointer<QTextBrowser> browser_;
    QPointer<QLabel> popup_;
};
