// The registry of the one application object the windows ask for their
// options.

#include "DivuzApplication.h"

#include "Errors.h"

#include <gtest/gtest.h>

TEST(ApplicationRegistryTest, LookupNamesTheCallerWhenNoApplicationIsRegistered)
{
    struct StandInApplication : IDivuzApplication {
        DivuzOptions GetOptions() const override { return myOptions; }
        void SetOptions(const DivuzOptions &options) override { myOptions = options; }
        DivuzOptions myOptions;
    } first, second;

    try {
        RequireApplication("PoleWnd::MyCreate");
        ADD_FAILURE() << "no error";
    } catch (const xProgramme &e) {
        EXPECT_STREQ(e.GetText(), "PoleWnd::MyCreate : No Application?");
    }

    RegisterApplication(&first);
    EXPECT_EQ(&RequireApplication("CMainFrame::UpdateMusic"), &first);
    RegisterApplication(&second);
    // The replaced application leaving must not take its successor along.
    UnregisterApplication(&first);
    EXPECT_EQ(FindApplication(), &second);
    UnregisterApplication(&second);
    EXPECT_EQ(FindApplication(), nullptr);
}
