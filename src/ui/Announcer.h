#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

// One message for a screen reader: an empty widget with the role of a
// notification and the message as its name. A reader speaks a notification
// as it shows ("notification 43, caught"), and reads its name then, however
// late: so a notice is never given another message.
class Notice : public QWidget {
    Q_OBJECT
  public:
    Notice(const QString& message, QWidget* parent);
};

// Tells a screen reader short messages as they happen, each as its own event:
// every message is a new Notice shown under `owner`, never a change of one
// already told, so none replaces the one before it. A reader cuts the speech
// of one notification short when the next one shows, so each message has its
// turn, long enough to be heard (`Hold`), and the messages that come during
// it wait in order. A run of games faster than its speech keeps only the
// newest kMostWaiting waiting (about one game: its status, twenty balls, the
// result and the balance), so the reader is never more than a game behind
// the table and the last game is told whole. What comes while `owner` does
// not show is not told. The last few notices are kept for a reader that reads
// them late; the older go.
class Announcer : public QObject {
    Q_OBJECT
  public:
    // How long a message holds the reader before the next one shows, in milliseconds.
    using Hold = std::function<int(const QString&)>;

    static constexpr int kKept = 8;
    static constexpr int kMostWaiting = 30;

    explicit Announcer(QWidget* owner, Hold hold = {});

    // The time a reader takes to say this: a fixed part and one per character.
    static int speakingTime(const QString& message);

    void announce(const QString& message);
    void setHold(Hold hold) { hold_ = std::move(hold); }
    // Messages still waiting for their turn.
    int waiting() const { return static_cast<int>(queue_.size()); }

  private:
    void next();

    QWidget* owner_;
    Hold hold_;
    QTimer turn_;
    std::deque<QString> queue_;
    std::deque<QPointer<Notice>> shown_;
};
