#include "stop_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace torvik::cli {
namespace {

int g_pipe[2] = {-1, -1};
volatile sig_atomic_t g_raised = 0;

void OnStopSignal(int) {
    g_raised = 1;
    const char byte = 1;
    // Nothing to do when the pipe is full: one byte waiting is enough.
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
}

void Install(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a prompt waiting for a line gives up when the signal comes.
    action.sa_flags = 0;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

StopSignals::StopSignals(std::function<void()> onStop) : onStop_(std::move(onStop)) {
    g_raised = 0;
    if (::pipe(g_pipe) != 0) return;
    for (int fd : g_pipe) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK | O_CLOEXEC);
    notifier_ = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        char bytes[16];
        while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
        }
        if (onStop_) onStop_();
    });
    Install(OnStopSignal);
}

StopSignals::~StopSignals() {
    Install(SIG_DFL);
    notifier_.reset();
    for (int& fd : g_pipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

bool StopSignals::raised() {
    return g_raised != 0;
}

}  // namespace torvik::cli
