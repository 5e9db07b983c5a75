#include "DivuzApplication.h"

#include "Errors.h"

#include <atomic>
#include <string>

namespace
{

// Set and cleared on the user-interface thread; atomic so that a read from
// another thread is still well defined.
std::atomic<IDivuzApplication *> registeredApplication{nullptr};

} // namespace

void RegisterApplication(IDivuzApplication *app)
{
    registeredApplication.store(app);
}

void UnregisterApplication(IDivuzApplication *app)
{
    IDivuzApplication *expected = app;
    registeredApplication.compare_exchange_strong(expected, nullptr);
}

IDivuzApplication *FindApplication()
{
    return registeredApplication.load();
}

IDivuzApplication &RequireApplication(std::string_view where)
{
    IDivuzApplication *app = FindApplication();
    if (app == nullptr)
        throw xProgramme(std::string(where) + " : No Application?");
    return *app;
}
