// A banner component for the tests: it draws nothing and records what it
// is asked. Built three times: complete; without "_debugTriggerEvent"
// (TEST_COMPONENT_WITHOUT_DEBUG_TRIGGER); with a "_Startup" that fails
// (TEST_COMPONENT_STARTUP_FAILS).

#include "TestComponent.h"
#include "AdvertComponent.h"

#include <QCursor>
#include <QGuiApplication>

extern "C" ADVERT_EXPORT TestComponentCalls testComponentCalls;
TestComponentCalls testComponentCalls{};

bool _Startup(AdvertHandle *handle, const char *, void *, std::int32_t value1, std::int16_t value2,
              std::uint32_t value3)
{
    ++testComponentCalls.startups;
    testComponentCalls.value1 = value1;
    testComponentCalls.value2 = value2;
    testComponentCalls.value3 = value3;
    testComponentCalls.wrapper = handle->wrapper;
#ifdef TEST_COMPONENT_STARTUP_FAILS
    return false;
#else
    return true;
#endif
}

bool _Shutdown(AdvertHandle *)
{
    ++testComponentCalls.shutdowns;
    return true;
}

bool _Paint(AdvertHandle *, QPainter *, int, int)
{
    ++testComponentCalls.paints;
    return true;
}

bool _OnClick(AdvertHandle *)
{
    ++testComponentCalls.clicks;
    const QCursor *cursor = QGuiApplication::overrideCursor();
    testComponentCalls.waitCursorAtClick = cursor && cursor->shape() == Qt::WaitCursor;
    return true;
}

// The rest only answer: the wrapper's forwarding is what is under test.
bool _SetCallback(AdvertHandle *, AdvertCallback *, void *)
{
    return true;
}
bool _SetAdRecordedCallback(AdvertHandle *, AdvertCallback *, void *)
{
    return true;
}
bool _SetNetworkCallback(AdvertHandle *, AdvertCallback *, void *)
{
    return true;
}
bool _SetBandwidthThrottle(AdvertHandle *, std::int32_t)
{
    return true;
}
bool _SetMinimumAdDisplayTime(AdvertHandle *, std::int32_t)
{
    return true;
}
bool _IsConnectOkay(AdvertHandle *, bool *)
{
    return true;
}
bool _RetryConnect(AdvertHandle *)
{
    return true;
}
bool _SetNetworkState(AdvertHandle *, bool)
{
    return true;
}
bool _SetProxy(AdvertHandle *, const char *, std::int32_t, const char *)
{
    return true;
}
bool _GetStatus(AdvertHandle *, std::uint32_t *, bool)
{
    return true;
}
bool _UseDefaultAd(AdvertHandle *, const char *, const char *)
{
    return true;
}
#ifndef TEST_COMPONENT_WITHOUT_DEBUG_TRIGGER
bool _debugTriggerEvent(AdvertHandle *, int)
{
    return true;
}
#endif
