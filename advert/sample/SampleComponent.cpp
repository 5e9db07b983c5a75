#include "SampleComponent.h"

#include "AdvertComponent.h"
#include "HouseBanners.h"

#include <QPainter>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace
{

// One started instance: the banner shown and the thread that turns it.
class Rotation
{
  public:
    Rotation() : myThread([this] { Run(); }) {}
    ~Rotation()
    {
        {
            std::lock_guard lock(myLock);
            myStopping = true;
        }
        myWake.notify_all();
        myThread.join();
    }

    int Current()
    {
        std::lock_guard lock(myLock);
        return myCurrent;
    }

    void SetCallback(AdvertCallback *callback, void *context)
    {
        std::lock_guard lock(myLock);
        myCallback = callback;
        myContext = context;
    }

    // A click: the next banner now, and a full period for it.
    void NextNow()
    {
        AdvertCallback *callback;
        void *context;
        {
            std::lock_guard lock(myLock);
            myCurrent = (myCurrent + 1) % HouseBannerCount();
            myRestart = true;
            callback = myCallback;
            context = myContext;
        }
        myWake.notify_all();
        if (callback)
            callback(context);
    }

    // The turn of a period, asked for ahead of time.
    void TurnNow()
    {
        {
            std::lock_guard lock(myLock);
            myTurnNow = true;
        }
        myWake.notify_all();
    }

  private:
    void Run()
    {
        std::unique_lock lock(myLock);
        for (;;) {
            myWake.wait_for(lock, SampleComponent::RotationPeriod,
                            [this] { return myStopping || myRestart || myTurnNow; });
            if (myStopping)
                return;
            const bool restart = myRestart && !myTurnNow;
            myRestart = myTurnNow = false;
            if (restart)
                continue;
            myCurrent = (myCurrent + 1) % HouseBannerCount();
            AdvertCallback *callback = myCallback;
            void *context = myContext;
            // The program may take its own locks in the callback: call it
            // with none of ours held.
            lock.unlock();
            if (callback)
                callback(context);
            lock.lock();
        }
    }

    std::mutex myLock;
    std::condition_variable myWake;
    int myCurrent = 0;
    bool myStopping = false;
    bool myRestart = false;
    bool myTurnNow = false;
    AdvertCallback *myCallback = nullptr;
    void *myContext = nullptr;
    // Last, so that it starts when everything it reads is in place.
    std::thread myThread;
};

Rotation *Of(AdvertHandle *handle)
{
    return handle ? static_cast<Rotation *>(handle->component) : nullptr;
}

} // namespace

// The three start-up values carry nothing this component needs.
bool _Startup(AdvertHandle *handle, const char *, void *, std::int32_t, std::int16_t, std::uint32_t)
{
    if (!handle || handle->component)
        return false;
    // No exception may cross into the program: a thread that cannot be
    // started is a failed start.
    try {
        handle->component = new Rotation;
    } catch (...) {
        return false;
    }
    return true;
}

bool _Shutdown(AdvertHandle *handle)
{
    Rotation *rotation = Of(handle);
    if (!rotation)
        return false;
    delete rotation;
    handle->component = nullptr;
    return true;
}

bool _Paint(AdvertHandle *handle, QPainter *painter, int x, int y)
{
    Rotation *rotation = Of(handle);
    if (!rotation || !painter)
        return false;
    DrawHouseBanner(*painter, rotation->Current(), QPoint(x, y));
    return true;
}

bool _OnClick(AdvertHandle *handle)
{
    Rotation *rotation = Of(handle);
    if (!rotation)
        return false;
    rotation->NextNow();
    return true;
}

bool _SetCallback(AdvertHandle *handle, AdvertCallback *callback, void *context)
{
    Rotation *rotation = Of(handle);
    if (!rotation)
        return false;
    rotation->SetCallback(callback, context);
    return true;
}

bool _debugTriggerEvent(AdvertHandle *handle, int event)
{
    Rotation *rotation = Of(handle);
    if (!rotation || event != SampleComponent::NextBannerEvent)
        return false;
    rotation->TurnNow();
    return true;
}

// Never online: there is no connection to report, and nothing is recorded.
bool _IsConnectOkay(AdvertHandle *handle, bool *okay)
{
    if (!Of(handle) || !okay)
        return false;
    *okay = false;
    return true;
}

bool _GetStatus(AdvertHandle *handle, std::uint32_t *status, bool)
{
    if (!Of(handle) || !status)
        return false;
    *status = 0;
    return true;
}

bool _SetAdRecordedCallback(AdvertHandle *, AdvertCallback *, void *)
{
    return false;
}
bool _SetNetworkCallback(AdvertHandle *, AdvertCallback *, void *)
{
    return false;
}
bool _SetBandwidthThrottle(AdvertHandle *, std::int32_t)
{
    return false;
}
bool _SetMinimumAdDisplayTime(AdvertHandle *, std::int32_t)
{
    return false;
}
bool _RetryConnect(AdvertHandle *)
{
    return false;
}
bool _SetNetworkState(AdvertHandle *, bool)
{
    return false;
}
bool _SetProxy(AdvertHandle *, const char *, std::int32_t, const char *)
{
    return false;
}
bool _UseDefaultAd(AdvertHandle *, const char *, const char *)
{
    return false;
}
