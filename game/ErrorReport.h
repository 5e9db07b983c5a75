#pragma once

// Showing errors to the user. The document raises internal inconsistencies
// as xProgramme and catches none of them; the engine thread reports what it
// catches through an event. Both end here, on the user-interface thread, in
// a reporter the application installs (a message box "...ERROR...").

#include "Errors.h"

#include <QEvent>
#include <QObject>

#include <exception>
#include <functional>
#include <string>

using ErrorReporter = std::function<void(const std::string &text)>;

// Installs the reporter and returns the one it replaces. An empty reporter
// writes the text to the log instead. User-interface thread only.
ErrorReporter SetErrorReporter(ErrorReporter reporter);

// Hands the text to the installed reporter. User-interface thread only.
void ReportError(const std::string &text);
inline void ReportError(const xError &error)
{
    ReportError(std::string(error.GetText()));
}

// An application class whose event dispatch reports an error that would
// otherwise leave an event handler and end the program: the text is shown
// and the event loop goes on. Application is QCoreApplication, or
// QApplication in the program itself.
template <class Application> class ErrorGuard : public Application
{
  public:
    using Application::Application;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return Application::notify(receiver, event);
        } catch (const xError &error) {
            ReportError(error);
        } catch (const std::exception &error) {
            ReportError(std::string(error.what()));
        }
        return false;
    }
};
