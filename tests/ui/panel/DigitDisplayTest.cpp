// The digits of the score and the clocks: which picture of the strip each
// place shows.

#include "DigitDisplay.h"
#include "Pictures.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace
{

TEST(DigitDisplayTest, ScoreBlanksLeadingZerosAndClockReadsHoursMinutesSeconds)
{
    DigitDisplay score;
    ASSERT_TRUE(score.LoadStrip(PictureLargeDigits, 2));
    const auto shows = [&score](int value) {
        score.SetValue(value);
        return score.NumberPictures(); // rightmost first
    };
    EXPECT_EQ(shows(7), (std::vector<int>{7, DigitBlank}));
    EXPECT_EQ(shows(10), (std::vector<int>{0, 1}));
    EXPECT_EQ(shows(0), (std::vector<int>{0, DigitBlank}));
    EXPECT_EQ(shows(123), (std::vector<int>{3, 2}));
    EXPECT_FALSE(DigitDisplay().LoadStrip(12345, 2));

    ClockDisplay clock;
    ASSERT_TRUE(clock.LoadClock(PictureSmallDigits));
    clock.SetValue(65);
    EXPECT_EQ(clock.ClockPictures(),
              (std::array<int, 8>{5, 0, DigitColon, 1, 0, DigitColon, 0, 0}));
}

} // namespace
