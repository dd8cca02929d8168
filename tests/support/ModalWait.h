#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

// Acting on a modal window from inside its own loop, with a limit: a window
// that never shows, or is still open at the limit, fails the test and is
// closed, so the exec() that opened it returns instead of hanging the suite.
namespace modal_wait {

constexpr int kPollMs = 5;
constexpr int kLimitPolls = 1000;  // at least five seconds

// Closes whatever modal window is up.
inline void closeModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else if (modal)
        modal->close();
}

// Calls `act` once on the first modal Dialog that shows while `owner` lives.
template <class Dialog>
void whenShown(QObject* owner, std::function<void(Dialog&)> act, int limitPolls = kLimitPolls) {
    auto* poll = new QTimer(owner);
    auto polls = std::make_shared<int>(0);
    auto acted = std::make_shared<bool>(false);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, polls, acted, act, limitPolls] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!*acted) {
            if (auto* dialog = qobject_cast<Dialog*>(modal)) {
                *acted = true;
                act(*dialog);
            }
        } else if (!modal) {
            poll->stop();
            return;
        }
        if (++*polls < limitPolls) return;
        poll->stop();
        ADD_FAILURE() << (*acted ? "the window was still open at the limit"
                                 : "the window never showed");
        closeModal();
    });
    poll->start(kPollMs);
}

}  // namespace modal_wait
