#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM (a logout, `kill`), SIGINT (Ctrl+C in a terminal) and SIGHUP (the
// terminal gone) end the game as Exit does, from the event loop: the signal
// handler only writes a byte to a pipe, which a socket notifier reads. A second
// signal of the same kind, while the first is being handled, ends the process
// at once.
class StopSignals : public QObject {
  public:
    explicit StopSignals(std::function<void()> stop);
    ~StopSignals() override;
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // True once a signal has come: a stop asked before the event loop runs.
    bool stopRequested() const { return requested_; }

  private:
    void onSignal();

    std::function<void()> stop_;
    QSocketNotifier* notifier_ = nullptr;
    bool requested_ = false;
};
