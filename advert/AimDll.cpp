#include "AimDll.h"

#include "SharedLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace
{

const char *const ComponentFile = "libadvert.so";

// The component's entry points, typed by the shared header.
struct EntryPoints {
    AdvertStartupEntry *Startup = nullptr;
    AdvertPaintEntry *Paint = nullptr;
    AdvertCommandEntry *OnClick = nullptr;
    AdvertSetCallbackEntry *SetCallback = nullptr;
    AdvertSetCallbackEntry *SetAdRecordedCallback = nullptr;
    AdvertSetCallbackEntry *SetNetworkCallback = nullptr;
    AdvertSetValueEntry *SetBandwidthThrottle = nullptr;
    AdvertSetValueEntry *SetMinimumAdDisplayTime = nullptr;
    AdvertIsConnectOkayEntry *IsConnectOkay = nullptr;
    AdvertCommandEntry *RetryConnect = nullptr;
    AdvertSetNetworkStateEntry *SetNetworkState = nullptr;
    AdvertSetProxyEntry *SetProxy = nullptr;
    AdvertGetStatusEntry *GetStatus = nullptr;
    AdvertUseDefaultAdEntry *UseDefaultAd = nullptr;
    AdvertCommandEntry *Shutdown = nullptr;
    AdvertDebugTriggerEventEntry *debugTriggerEvent = nullptr;
};

template <typename Entry> bool Resolve(QLibrary &library, const char *name, Entry *&entry)
{
    entry = reinterpret_cast<Entry *>(library.resolve(name));
    return entry != nullptr;
}

// All sixteen must be there for the component to be used.
bool ResolveAll(QLibrary &library, EntryPoints &e)
{
    return Resolve(library, "_Startup", e.Startup) && Resolve(library, "_Paint", e.Paint) &&
           Resolve(library, "_OnClick", e.OnClick) &&
           Resolve(library, "_SetCallback", e.SetCallback) &&
           Resolve(library, "_SetAdRecordedCallback", e.SetAdRecordedCallback) &&
           Resolve(library, "_SetNetworkCallback", e.SetNetworkCallback) &&
           Resolve(library, "_SetBandwidthThrottle", e.SetBandwidthThrottle) &&
           Resolve(library, "_SetMinimumAdDisplayTime", e.SetMinimumAdDisplayTime) &&
           Resolve(library, "_IsConnectOkay", e.IsConnectOkay) &&
           Resolve(library, "_RetryConnect", e.RetryConnect) &&
           Resolve(library, "_SetNetworkState", e.SetNetworkState) &&
           Resolve(library, "_SetProxy", e.SetProxy) &&
           Resolve(library, "_GetStatus", e.GetStatus) &&
           Resolve(library, "_UseDefaultAd", e.UseDefaultAd) &&
           Resolve(library, "_Shutdown", e.Shutdown) &&
           Resolve(library, "_debugTriggerEvent", e.debugTriggerEvent);
}

} // namespace

// One loaded and started component. It lives as long as the last AimDll
// that shares it, and it owns the handle block, so the block stays in place
// for as long as the component may be called.
class AimModule
{
  public:
    AimModule() { myHandle.wrapper = this; }
    AimModule(const AimModule &) = delete;
    AimModule &operator=(const AimModule &) = delete;
    ~AimModule()
    {
        if (myStarted)
            myEntries.Shutdown(&myHandle);
    }

    // Loads the first location that loads and resolves the entry points; a
    // library without all of them is let go of again.
    bool Load(const QStringList &locations)
    {
        myLibrary = SharedLibrary::Load(locations);
        if (myLibrary && ResolveAll(myLibrary->Library(), myEntries))
            return true;
        myLibrary.reset();
        return false;
    }

    // A component whose start-up fails is never unloaded: it may have left
    // something of its own running that still needs its code.
    bool Start(void *window, std::int32_t value1, std::int16_t value2, std::uint32_t value3)
    {
        const QByteArray module = QFile::encodeName(myLibrary->Library().fileName());
        myStarted =
            myEntries.Startup(&myHandle, module.constData(), window, value1, value2, value3);
        if (!myStarted)
            myLibrary->KeepLoaded();
        return myStarted;
    }

    template <typename Entry, typename... Args> bool Call(Entry *EntryPoints::*entry, Args... args)
    {
        return (myEntries.*entry)(&myHandle, args...);
    }

  private:
    std::shared_ptr<SharedLibrary> myLibrary;
    EntryPoints myEntries;
    AdvertHandle myHandle{};
    bool myStarted = false;
};

QStringList AimDll::ComponentLocations()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(ComponentFile),
            QDir::cleanPath(
                program.filePath(DIVUZ_COMPONENT_DIR_FROM_PROGRAM "/" + QString(ComponentFile))),
            // A bare name: QLibrary adds "lib" and ".so" and the platform searches.
            "advert"};
}

AimDll::AimDll(const QStringList &locations, std::int32_t value1, void *window, std::int16_t value2,
               std::uint32_t value3)
{
    auto module = std::make_shared<AimModule>();
    if (!module->Load(locations)) {
        myStatus = LoadFailed;
        return;
    }
    if (module->Start(window, value1, value2, value3))
        myModule = std::move(module);
}

bool AimDll::Paint(QPainter *dc, int x, int y) const
{
    return myModule && myModule->Call(&EntryPoints::Paint, dc, x, y);
}

bool AimDll::OnClick() const
{
    return myModule && myModule->Call(&EntryPoints::OnClick);
}

bool AimDll::SetCallback(AdvertCallback *callback, void *context) const
{
    return myModule && myModule->Call(&EntryPoints::SetCallback, callback, context);
}

bool AimDll::SetAdRecordedCallback(AdvertCallback *callback, void *context) const
{
    return myModule && myModule->Call(&EntryPoints::SetAdRecordedCallback, callback, context);
}

bool AimDll::SetNetworkCallback(AdvertCallback *callback, void *context) const
{
    return myModule && myModule->Call(&EntryPoints::SetNetworkCallback, callback, context);
}

bool AimDll::SetBandwidthThrottle(std::int32_t value) const
{
    return myModule && myModule->Call(&EntryPoints::SetBandwidthThrottle, value);
}

bool AimDll::SetMinimumAdDisplayTime(std::int32_t value) const
{
    return myModule && myModule->Call(&EntryPoints::SetMinimumAdDisplayTime, value);
}

bool AimDll::IsConnectOkay(bool &okay) const
{
    return myModule && myModule->Call(&EntryPoints::IsConnectOkay, &okay);
}

bool AimDll::RetryConnect() const
{
    return myModule && myModule->Call(&EntryPoints::RetryConnect);
}

bool AimDll::SetNetworkState(bool online) const
{
    return myModule && myModule->Call(&EntryPoints::SetNetworkState, online);
}

bool AimDll::SetProxy(const char *host, std::int32_t port, const char *user) const
{
    return myModule && myModule->Call(&EntryPoints::SetProxy, host, port, user);
}

bool AimDll::GetStatus(std::uint32_t &status, bool reset) const
{
    return myModule && myModule->Call(&EntryPoints::GetStatus, &status, reset);
}

bool AimDll::UseDefaultAd(const char *picture, const char *link) const
{
    return myModule && myModule->Call(&EntryPoints::UseDefaultAd, picture, link);
}

bool AimDll::debugTriggerEvent(int event) const
{
    return myModule && myModule->Call(&EntryPoints::debugTriggerEvent, event);
}
