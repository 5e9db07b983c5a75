#pragma once

// The events that carry commands and error reports into the user-interface
// thread's queue. Posting them with QCoreApplication::postEvent is safe from
// any thread; they are handled on the receiver's thread in posting order.

#include <QEvent>

#include <cstdint>
#include <string>

// A command with a numeric id: a reply of the engine thread to the view, or
// a command the document posts to the main window. The ticket names the
// engine request a reply answers; 0 when the command answers none.
class DivuzCommandEvent : public QEvent
{
  public:
    explicit DivuzCommandEvent(int command, std::uint64_t ticket = 0);

    int Command() const { return myCommand; }
    std::uint64_t Ticket() const { return myTicket; }

    static QEvent::Type EventType();

  private:
    int myCommand;
    std::uint64_t myTicket;
};

// An error the engine thread caught; its text is shown on the
// user-interface thread, which alone may open a message box.
class EngineErrorEvent : public QEvent
{
  public:
    explicit EngineErrorEvent(std::string text);

    const std::string &Text() const { return myText; }

    static QEvent::Type EventType();

  private:
    std::string myText;
};
