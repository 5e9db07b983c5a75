#pragma once

// The sample banner component that ships with the game, libadvert.so. It
// shows the game's own banners (HouseBanners.h), turns to the next one every
// RotationPeriod and on a click, and uses no network and collects nothing:
// the entry points about connections, proxies and recorded banners answer
// as a component that is never online.

#include <chrono>

namespace SampleComponent
{

constexpr std::chrono::seconds RotationPeriod(20);

// "_debugTriggerEvent" with this event turns to the next banner at once
// from the component's own thread, as the end of a period would.
constexpr int NextBannerEvent = 1;

} // namespace SampleComponent
