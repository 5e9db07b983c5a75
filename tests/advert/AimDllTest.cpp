#include "AimDll.h"
#include "TestComponentProbe.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

AimDll Start(const char *path)
{
    return AimDll(QStringList{path}, 585, nullptr, 1, 2);
}

// The answers of every forwarding method, in the order of the entry points.
std::vector<bool> ForwardEverything(const AimDll &aim)
{
    bool okay = false;
    std::uint32_t status = 0;
    return {aim.Paint(nullptr, 0, 0),
            aim.OnClick(),
            aim.SetCallback(nullptr, nullptr),
            aim.SetAdRecordedCallback(nullptr, nullptr),
            aim.SetNetworkCallback(nullptr, nullptr),
            aim.SetBandwidthThrottle(1),
            aim.SetMinimumAdDisplayTime(1),
            aim.IsConnectOkay(okay),
            aim.RetryConnect(),
            aim.SetNetworkState(true),
            aim.SetProxy("host", 8080, "user"),
            aim.GetStatus(status, false),
            aim.UseDefaultAd("picture", "link"),
            aim.debugTriggerEvent(1)};
}

const std::vector<bool> AllTrue(14, true);
const std::vector<bool> AllFalse(14, false);

} // namespace

TEST(AimDllTest, StartedComponentGetsTheCallsAndTheLastCopyShutsItDownOnce)
{
    TestComponentProbe probe(FULL_TEST_COMPONENT);
    {
        const AimDll first = Start(FULL_TEST_COMPONENT);
        ASSERT_TRUE(first.isOkay());
        EXPECT_EQ(first.Status(), 0u);
        EXPECT_EQ(probe.calls->startups, 1);
        EXPECT_EQ(probe.calls->value1, 585);
        EXPECT_EQ(probe.calls->value2, 1);
        EXPECT_EQ(probe.calls->value3, 2u);
        EXPECT_NE(probe.calls->wrapper, nullptr);
        EXPECT_EQ(ForwardEverything(first), AllTrue);
        {
            const AimDll copy = first;
            AimDll other = Start(FULL_TEST_COMPONENT);
            EXPECT_EQ(probe.calls->startups, 2);
            // Taking over a shared component lets go of its own one.
            other = copy;
            EXPECT_EQ(probe.calls->shutdowns, 1);
            const AimDll &same = other;
            other = same;
            EXPECT_TRUE(other.isOkay());
        }
        // Two copies gone, one left: the component still runs.
        EXPECT_EQ(probe.calls->shutdowns, 1);
        const int paints = probe.calls->paints;
        EXPECT_TRUE(first.Paint(nullptr, 0, 0));
        EXPECT_EQ(probe.calls->paints, paints + 1);
    }
    EXPECT_EQ(probe.calls->shutdowns, 2);
    EXPECT_EQ(probe.calls->startups, 2);
}

TEST(AimDllTest, WithoutAUsableComponentEveryCallAnswersFalse)
{
    const AimDll missing = Start("/nonexistent/libadvert.so");
    EXPECT_FALSE(missing.isOkay());
    EXPECT_EQ(missing.Status(), AimDll::LoadFailed);
    EXPECT_EQ(ForwardEverything(missing), AllFalse);

    TestComponentProbe incompleteProbe(NO_DEBUG_TEST_COMPONENT);
    {
        const AimDll incomplete = Start(NO_DEBUG_TEST_COMPONENT);
        EXPECT_FALSE(incomplete.isOkay());
        EXPECT_EQ(incomplete.Status(), AimDll::LoadFailed);
        EXPECT_EQ(ForwardEverything(incomplete), AllFalse);
    }
    EXPECT_EQ(incompleteProbe.calls->startups, 0);
    EXPECT_EQ(incompleteProbe.calls->shutdowns, 0);

    TestComponentProbe failingProbe(FAILING_TEST_COMPONENT);
    {
        const AimDll failing = Start(FAILING_TEST_COMPONENT);
        EXPECT_FALSE(failing.isOkay());
        EXPECT_EQ(failing.Status(), 0u);
        EXPECT_EQ(ForwardEverything(failing), AllFalse);
        const AimDll copy = failing;
        EXPECT_FALSE(copy.isOkay());
    }
    EXPECT_EQ(failingProbe.calls->startups, 1);
    EXPECT_EQ(failingProbe.calls->shutdowns, 0);
}

TEST(AimDllTest, TakesTheFirstLocationThatLoadsAndUnloadsTheFileWithItsLastOwner)
{
    {
        const AimDll aim(QStringList{"/nonexistent/libadvert.so", FULL_TEST_COMPONENT}, 585,
                         nullptr, 1, 2);
        EXPECT_TRUE(aim.isOkay());
        EXPECT_TRUE(IsLoaded(FULL_TEST_COMPONENT));
        // A library found first but incomplete is the one refused.
        const AimDll refused(QStringList{NO_DEBUG_TEST_COMPONENT, FULL_TEST_COMPONENT}, 585,
                             nullptr, 1, 2);
        EXPECT_FALSE(refused.isOkay());
        EXPECT_FALSE(IsLoaded(NO_DEBUG_TEST_COMPONENT));
    }
    EXPECT_FALSE(IsLoaded(FULL_TEST_COMPONENT));

    // Two components started from one file: shutting one down leaves the
    // other's code in place.
    {
        const AimDll second = Start(FULL_TEST_COMPONENT);
        Start(FULL_TEST_COMPONENT);
        EXPECT_TRUE(IsLoaded(FULL_TEST_COMPONENT));
        EXPECT_TRUE(second.Paint(nullptr, 0, 0));
    }
    EXPECT_FALSE(IsLoaded(FULL_TEST_COMPONENT));

    // A component that failed to start keeps its code in place.
    {
        Start(FAILING_TEST_COMPONENT);
    }
    EXPECT_TRUE(IsLoaded(FAILING_TEST_COMPONENT));
}
