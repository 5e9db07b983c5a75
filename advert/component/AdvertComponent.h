#pragma once

// The banner component's interface: the sixteen entry points a banner
// component exports and the program resolves by name at run time. Both
// sides compile against this header, so a change of an entry point's form
// shows up as a build error on both sides rather than as a crash.
//
// The entry points have C linkage and take only pointers and plain values.
// The one C++ object among them is the painter: a component draws with the
// Qt libraries the program runs on. Every entry point answers with a truth
// value: false when it failed or does not know the request.
//
// The names carry a leading underscore because that is how the program
// looks them up ("_Startup", "_Paint", ...); they are exported with
// exactly these names.

#include <cstdint>

class QPainter;

#if defined(__GNUC__)
#define ADVERT_EXPORT __attribute__((visibility("default")))
#else
#define ADVERT_EXPORT
#endif

extern "C" {

// The block the program hands to every call. The program owns it and keeps
// it in place from "_Startup" to "_Shutdown"; the first word points back to
// the program's side of the component, the second is the component's own,
// for its state of this instance.
struct AdvertHandle {
    void *wrapper;
    void *component;
};

// The component calls this when it has something new to show. It may call
// it from any thread; context is the pointer registered with the callback.
typedef void AdvertCallback(void *context);

// module: the file the component was loaded from, valid during the call.
// window: the window the banners appear in, or null. The three values come
// from the program's start-up (585, 1 and 2); their meaning is the
// component's.
typedef bool AdvertStartupEntry(AdvertHandle *handle, const char *module, void *window,
                                std::int32_t value1, std::int16_t value2, std::uint32_t value3);
// Draws the banner, 468 x 62 pixels, with its top-left corner at (x, y).
typedef bool AdvertPaintEntry(AdvertHandle *handle, QPainter *painter, int x, int y);
// A request without arguments: "_OnClick" (the user clicked the banner;
// the program shows the wait cursor meanwhile), "_RetryConnect" and
// "_Shutdown" (the component ends; the handle is gone afterwards).
typedef bool AdvertCommandEntry(AdvertHandle *handle);
typedef bool AdvertSetCallbackEntry(AdvertHandle *handle, AdvertCallback *callback, void *context);
typedef bool AdvertSetValueEntry(AdvertHandle *handle, std::int32_t value);
typedef bool AdvertIsConnectOkayEntry(AdvertHandle *handle, bool *okay);
typedef bool AdvertSetNetworkStateEntry(AdvertHandle *handle, bool online);
typedef bool AdvertSetProxyEntry(AdvertHandle *handle, const char *host, std::int32_t port,
                                 const char *user);
typedef bool AdvertGetStatusEntry(AdvertHandle *handle, std::uint32_t *status, bool reset);
typedef bool AdvertUseDefaultAdEntry(AdvertHandle *handle, const char *picture, const char *link);
typedef bool AdvertDebugTriggerEventEntry(AdvertHandle *handle, int event);

// The entry points, in the order the program resolves them.
ADVERT_EXPORT AdvertStartupEntry _Startup;
ADVERT_EXPORT AdvertPaintEntry _Paint;
ADVERT_EXPORT AdvertCommandEntry _OnClick;
ADVERT_EXPORT AdvertSetCallbackEntry _SetCallback;
ADVERT_EXPORT AdvertSetCallbackEntry _SetAdRecordedCallback;
ADVERT_EXPORT AdvertSetCallbackEntry _SetNetworkCallback;
ADVERT_EXPORT AdvertSetValueEntry _SetBandwidthThrottle;
ADVERT_EXPORT AdvertSetValueEntry _SetMinimumAdDisplayTime;
ADVERT_EXPORT AdvertIsConnectOkayEntry _IsConnectOkay;
ADVERT_EXPORT AdvertCommandEntry _RetryConnect;
ADVERT_EXPORT AdvertSetNetworkStateEntry _SetNetworkState;
ADVERT_EXPORT AdvertSetProxyEntry _SetProxy;
ADVERT_EXPORT AdvertGetStatusEntry _GetStatus;
ADVERT_EXPORT AdvertUseDefaultAdEntry _UseDefaultAd;
ADVERT_EXPORT AdvertCommandEntry _Shutdown;
ADVERT_EXPORT AdvertDebugTriggerEventEntry _debugTriggerEvent;
}

// The size of a banner in pixels.
constexpr int AdvertWidth = 468;
constexpr int AdvertHeight = 62;
