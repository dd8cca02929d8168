#pragma once

#include <QDialog>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "shell/BallAnimation.h"
#include "shell/SystemMemory.h"

class QTimer;
class QWidget;

// The game's version, as the build names it (the CMake project version).
extern const char* const kVelloroVersion;

// "About Velloro": the game's name, version, what it is and its licence, the
// splash's balls dropping into place, the parts it is built on with their
// licences, and how much memory the game uses and the system has free, painted like the
// game's own windows on the green table. The balls move and the memory
// figures are read again while the box is open. Closes by OK, Enter, Escape
// or its close box.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 330;
    static constexpr int kDesignHeight = 323;
    static constexpr int kMemoryRefreshMilliseconds = 1000;

    // One line of text in design units: where it sits and how it is written.
    struct Line {
        QRect designRect;
        QString text;
        int fontUnits;
        bool title;  // the name, in the check colour over a shadow
    };
    // Every text of the box, top to bottom.
    static std::vector<Line> lines();
    // The third-party parts and their licences, one line each.
    static QStringList credits();

    // readMemory: the memory line as it stands now.
    explicit AboutBox(QWidget* parent = nullptr,
                      std::function<QString()> readMemory = system_memory::ReadMemoryLine);

    // The memory line as last read.
    QString memoryLine() const { return memory_; }
    const BallAnimation& animation() const { return animation_; }
    // One frame of the picture on, as the box's clock does it.
    void nextFrame();
    // Whether the picture moves and the memory line is read again.
    bool isLive() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QRect scaled(const QRect& designRect) const;
    void refreshMemory();

    std::function<QString()> readMemory_;
    QString memory_;
    BallAnimation animation_;
    QTimer* frameClock_ = nullptr;
    QTimer* memoryClock_ = nullptr;
};

// Shows the about box modally.
void ShowAboutBox(QWidget* parent);
