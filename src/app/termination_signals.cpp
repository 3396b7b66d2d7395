#include "app/termination_signals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>

#if defined(__unix__) || defined(__APPLE__)
#define XGORVO_POSIX_SIGNALS 1
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace app {

#ifdef XGORVO_POSIX_SIGNALS

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT};

// A signal handler can reach nothing but what lives outside every object: the socket it
// writes to. It is set while a TerminationSignals exists.
std::atomic<int> signalSocket{-1};

extern "C" void onTerminationSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    const int socket = signalSocket.load();
    if (socket >= 0) {
        const auto written = ::write(socket, &byte, 1);
        (void)written; // a full socket already holds a request
    }
    errno = savedErrno;
}

void setHandler(int number, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(number, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets_) != 0) return;
    signalSocket.store(sockets_[0]);
    notifier_ = new QSocketNotifier(sockets_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    for (int number : kSignals) setHandler(number, onTerminationSignal);
}

TerminationSignals::~TerminationSignals() {
    if (sockets_[0] < 0) return;
    for (int number : kSignals) setHandler(number, SIG_DFL);
    signalSocket.store(-1);
    ::close(sockets_[0]);
    ::close(sockets_[1]);
}

void TerminationSignals::readSignal() {
    char byte = 0;
    if (::read(sockets_[1], &byte, 1) != 1) return;
    // A second Ctrl+C ends the program at once, should the orderly close ever hang.
    for (int number : kSignals) setHandler(number, SIG_DFL);
    received_ = true;
    emit requested();
}

#else

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::readSignal() {}

#endif

} // namespace app
