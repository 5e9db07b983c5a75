#pragma once

// What the test builds of the banner component record of the calls they
// get. Each build exports one record under TestComponentCallsSymbol.

#include <cstdint>

struct TestComponentCalls {
    int startups;
    int shutdowns;
    int paints;
    int clicks;
    // The wait cursor was up during the last click.
    bool waitCursorAtClick;
    // What the last "_Startup" was given.
    std::int32_t value1;
    std::int16_t value2;
    std::uint32_t value3;
    void *wrapper;
};

inline constexpr const char *TestComponentCallsSymbol = "testComponentCalls";
