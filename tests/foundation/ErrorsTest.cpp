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
    EXPECT_STREQ(xIO("Cannot open ", "Best.tab").GetText(), "Cannot open Best.tab");
}

TEST(ErrorsTest, MoveIsCaughtAsUserAndAsError)
{
    EXPECT_STREQ(xMemory().GetText(), "Not enough memory.");
    EXPECT_THROW(throw xMove(), xUser);
    std::string caught;
    try {
        throw xMove();
    } catch (const xParam &) {
        caught = "param";
    } catch (const xError &e) {
        caught = e.GetText();
    }
    EXPECT_EQ(caught, "Place to move is occupied");
}
