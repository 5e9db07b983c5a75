#pragma once

// The program's side of the banner component: loads the component library
// at run time, resolves its sixteen entry points by name, starts it and
// passes calls on to it. Without a usable component every call answers
// false and nothing is reported; the program runs just the same.
//
// Copies share one started component: the component is shut down and its
// library unloaded when the last copy is gone, never earlier and never
// twice.

#include "AdvertComponent.h"

#include <QStringList>

#include <cstdint>
#include <memory>

class AimModule;
class QPainter;

class AimDll
{
  public:
    // Status after a library that was missing or lacked an entry point.
    static constexpr std::uint32_t LoadFailed = 0x80000000u;

    // Where the component is looked for, in order: beside the program, in
    // the installed library folder, then by the platform's search order.
    static QStringList ComponentLocations();

    // Loads the first of locations that loads, resolves every entry point
    // and starts the component with the window and the three values.
    AimDll(const QStringList &locations, std::int32_t value1, void *window, std::int16_t value2,
           std::uint32_t value3);
    AimDll(std::int32_t value1, void *window, std::int16_t value2, std::uint32_t value3)
        : AimDll(ComponentLocations(), value1, window, value2, value3)
    {
    }

    // The component was loaded and its "_Startup" reported success.
    bool isOkay() const { return myModule != nullptr; }
    // 0, or LoadFailed.
    std::uint32_t Status() const { return myStatus; }

    // Each passes the call on to the entry point of the same name and
    // returns its answer; false at once when the component is not okay.
    bool Paint(QPainter *dc, int x, int y) const;
    bool OnClick() const;
    bool SetCallback(AdvertCallback *callback, void *context) const;
    bool SetAdRecordedCallback(AdvertCallback *callback, void *context) const;
    bool SetNetworkCallback(AdvertCallback *callback, void *context) const;
    bool SetBandwidthThrottle(std::int32_t value) const;
    bool SetMinimumAdDisplayTime(std::int32_t value) const;
    bool IsConnectOkay(bool &okay) const;
    bool RetryConnect() const;
    bool SetNetworkState(bool online) const;
    bool SetProxy(const char *host, std::int32_t port, const char *user) const;
    bool GetStatus(std::uint32_t &status, bool reset) const;
    bool UseDefaultAd(const char *picture, const char *link) const;
    bool debugTriggerEvent(int event) const;

  private:
    std::uint32_t myStatus = 0;
    // The started component, shared by the copies; null when not okay.
    std::shared_ptr<AimModule> myModule;
};
