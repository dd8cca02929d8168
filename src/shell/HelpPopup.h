#pragma once

#include <QString>
#include <QTextDocument>
#include <QWidget>

class Announcer;

// The "What's this?" note: a small window beside a control. The next press
// closes it, wherever it lands (a press on a link also opens the link), and
// so do a key and the game losing the focus. While it is open it holds the
// mouse and the keyboard, as a menu does, and it lets both go as it closes.
// A screen reader is told the note as it shows.
class HelpPopup : public QWidget {
    Q_OBJECT
  public:
    HelpPopup();

    // Shows this HTML wrapped to the pop-up's width, in text of this pixel size.
    void setContents(const QString& html, int width, int pixelSize);
    // What the pop-up says, as plain text.
    QString text() const { return document_.toPlainText(); }
    // The address of the link under a point of the pop-up; empty where there is none.
    QString linkAt(QPoint at) const;

  signals:
    void linkActivated(const QString& link);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPoint textOrigin() const { return {margin_, margin_}; }

    QTextDocument document_;
    Announcer* announcer_ = nullptr;
    int margin_ = 0;
};
