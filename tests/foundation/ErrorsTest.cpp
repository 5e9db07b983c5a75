// The program's errors: each carries its text in a fixed buffer.

#include "Errors.h"

#include <gtest/gtest.h>

#include <string>

TEST(ErrorsTest, OverlongTextKeepsItsFirst199Characters)
{
    std::string text;
    for (int i = 0; i < 250; ++i)
        text += static_cast<char>('a' + i % 26);
    xParam copy = xParam(text); // thrown and caught by value
    EXPECT_EQ(std::string(copy.GetText()), text.substr(0, 199));
}
