#include "DivuzEvents.h"

#include <utility>

namespace
{

// Registered once, on first use, from whichever thread comes first; the
// registration itself is thread-safe.
QEvent::Type RegisteredType()
{
    return static_cast<QEvent::Type>(QEvent::registerEventType());
}

} // namespace

DivuzCommandEvent::DivuzCommandEvent(int command, std::uint64_t ticket)
    : QEvent(EventType()), myCommand(command), myTicket(ticket)
{
}

QEvent::Type DivuzCommandEvent::EventType()
{
    static const QEvent::Type type = RegisteredType();
    return type;
}

EngineErrorEvent::EngineErrorEvent(std::string text) : QEvent(EventType()), myText(std::move(text))
{
}

QEvent::Type EngineErrorEvent::EventType()
{
    static const QEvent::Type type = RegisteredType();
    return type;
}
