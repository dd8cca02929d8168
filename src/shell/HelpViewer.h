#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTextBrowser>

#include "shell/HelpFile.h"
#include "shell/HelpPopup.h"

class HelpWindow;

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
    // The topic's text in a pop-up next to the control under a screen position
    // (the pointer's by default); at the position itself where no control is.
    void showPopup(int number, QPoint at = QPoint(-1, -1));
    // Closes every help window.
    void quit();

    const HelpFile& file() const { return file_; }
    // What the pop-up for a number says; a number without topic still says something.
    QString popupText(int number) const;
    // Where a pop-up of this size goes beside a control: below it, else above
    // it, else wherever it fits, always inside the bounds (the screen).
    static QPoint popupPosition(QRect control, QSize popup, QRect bounds);

    // The visible windows, for tests.
    HelpWindow* helpWindow() const;
    QTextBrowser* topicWindow() const;
    HelpPopup* popupWindow() const { return popup_; }

  private:
    HelpWindow* window();

    HelpFile file_;
    QPointer<HelpWindow> window_;
    QPointer<HelpPopup> popup_;
};
