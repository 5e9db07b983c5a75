#include "ExitSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace
{

constexpr std::array<int, 3> CaughtSignals = {SIGTERM, SIGINT, SIGHUP};

// One program, one pipe: a signal handler can reach nothing but globals.
int pipeEnds[2] = {-1, -1};
struct sigaction previousActions[CaughtSignals.size()];

extern "C" void OnExitSignal(int signal)
{
    // Only async-signal-safe work here. A full pipe already holds a wake-up.
    const int savedErrno = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &number, 1);
    errno = savedErrno;
}

} // namespace

ExitSignals::ExitSignals(Handler handler) : myHandler(std::move(handler))
{
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their defaults
    myNotifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(myNotifier, &QSocketNotifier::activated, this, &ExitSignals::OnReadable);

    struct sigaction action = {};
    action.sa_handler = OnExitSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls go on, so no read or write of ours fails for
    // a signal's sake. A second signal of the same kind takes its default
    // course and ends the process at once: the way out should the orderly
    // exit itself ever hang.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (std::size_t i = 0; i < CaughtSignals.size(); ++i)
        sigaction(CaughtSignals[i], &action, &previousActions[i]);
}

ExitSignals::~ExitSignals()
{
    if (myNotifier == nullptr)
        return;
    for (std::size_t i = 0; i < CaughtSignals.size(); ++i)
        sigaction(CaughtSignals[i], &previousActions[i], nullptr);
    delete myNotifier;
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void ExitSignals::OnReadable()
{
    char number = 0;
    while (read(pipeEnds[0], &number, 1) == 1)
        myHandler(number);
}
