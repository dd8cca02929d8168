#pragma once

#include <QDialog>
#include <QStringList>

#include "core/sound/SoundCatalogue.h"
#include "core/state/GameState.h"

class Announcer;
class QTimer;
class SoundPlayer;

// "Aggregate Alert !": tells the player a price change was refused because one
// game may not cost more than the most it can pay. Closes by itself after ten
// seconds, at a click anywhere on it or by its close box.
class AggregateNotice : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 200;
    static constexpr int kDesignHeight = 74;
    static constexpr int kCloseAfterMilliseconds = 10000;

    AggregateNotice(const GameState& state, SoundPlayer& sound, QWidget* parent = nullptr,
                    int closeAfterMilliseconds = kCloseAfterMilliseconds);

    // The four lines of the notice, top to bottom.
    static QStringList lines(Money aggregateLimit);

    // Every way of closing ends here: the closing sound plays once.
    void done(int result) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void playIfSoundsOn(sounds::Cue cue);

    const GameState& state_;
    SoundPlayer& sound_;
    QTimer* closeTimer_ = nullptr;  // ten seconds, then the notice closes itself
    Announcer* announcer_ = nullptr;
};

// Shows the notice modally and returns once it has closed.
void ShowAggregateAlert(const GameState& state, SoundPlayer& sound, QWidget* parent);
