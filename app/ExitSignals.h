#pragma once

// The signals that end a desktop session's programs: SIGTERM (logout,
// shutdown, kill), SIGINT (Ctrl+C in a terminal) and SIGHUP (the terminal
// closed). Left to their defaults they end the process on the spot, and the
// settings and the best games entered since the start are lost. Here the
// handler only writes the signal's number into a pipe; the event loop wakes
// on the pipe and hands the number to the program on the user-interface
// thread, which leaves as "&Konec" does. A second signal of the same kind
// ends the process as it always would.

#include <QObject>

#include <functional>

class QSocketNotifier;

class ExitSignals : public QObject
{
  public:
    using Handler = std::function<void(int signal)>;

    // Takes the three signals over while the object lives; the handler
    // runs on the thread that made the object, with the signal's number.
    explicit ExitSignals(Handler handler);
    ~ExitSignals() override;
    ExitSignals(const ExitSignals &) = delete;
    ExitSignals &operator=(const ExitSignals &) = delete;

  private:
    void OnReadable();

    Handler myHandler;
    QSocketNotifier *myNotifier = nullptr;
};
