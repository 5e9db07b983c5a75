#include "ErrorReport.h"

#include <QtGlobal>

#include <utility>

namespace
{

ErrorReporter &InstalledReporter()
{
    static ErrorReporter reporter;
    return reporter;
}

} // namespace

ErrorReporter SetErrorReporter(ErrorReporter reporter)
{
    return std::exchange(InstalledReporter(), std::move(reporter));
}

void ReportError(const std::string &text)
{
    const ErrorReporter &reporter = InstalledReporter();
    if (reporter)
        reporter(text);
    else
        qWarning("...ERROR...: %s", text.c_str());
}
