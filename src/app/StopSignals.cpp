#include "app/StopSignals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace {

constexpr std::array kStopSignals{SIGTERM, SIGINT, SIGHUP};
// [0] is written by the handler, [1] read in the event loop.
int gPipe[2] = {-1, -1};

void onStopSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t put = ::write(gPipe[0], &byte, 1);
    // A second signal ends the process even if the first one's stop hangs.
    ::signal(number, SIG_DFL);
    errno = saved;
}

}  // namespace

StopSignals::StopSignals(std::function<void()> stop) : stop_(std::move(stop)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gPipe) != 0) return;
    notifier_ = new QSocketNotifier(gPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StopSignals::onSignal);
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kStopSignals) ::sigaction(number, &action, nullptr);
}

StopSignals::~StopSignals() {
    for (int number : kStopSignals) ::signal(number, SIG_DFL);
    for (int& end : gPipe) {
        if (end >= 0) ::close(end);
        end = -1;
    }
}

void StopSignals::onSignal() {
    char bytes[16];
    while (::read(gPipe[1], bytes, sizeof bytes) > 0) {
    }
    if (requested_) return;
    requested_ = true;
    if (stop_) stop_();
}
