#include "SharedLibrary.h"

#include <map>

namespace
{

// The loads held now, by the file name they were loaded with.
std::map<QString, std::weak_ptr<SharedLibrary>> theLoaded;

} // namespace

std::shared_ptr<SharedLibrary> SharedLibrary::Load(const QStringList &locations)
{
    for (const QString &location : locations) {
        auto loaded = std::make_shared<SharedLibrary>(location);
        if (!loaded->myLibrary.load())
            continue;
        std::weak_ptr<SharedLibrary> &held = theLoaded[loaded->myLibrary.fileName()];
        if (auto existing = held.lock()) {
            // The same load as the holder's: this copy must not unload it.
            loaded->KeepLoaded();
            return existing;
        }
        held = loaded;
        return loaded;
    }
    return nullptr;
}

SharedLibrary::~SharedLibrary()
{
    if (!myKeepLoaded)
        myLibrary.unload();
    const auto it = theLoaded.find(myLibrary.fileName());
    if (it != theLoaded.end() && it->second.expired())
        theLoaded.erase(it);
}
