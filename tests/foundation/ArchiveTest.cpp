#include "Archive.h"
#include "Errors.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace
{

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string out;
    for (int b : bytes)
        out += static_cast<char>(b);
    return out;
}

std::string StringForm(const std::string &text)
{
    std::stringstream io;
    ArchiveWriter(io).WriteString(text);
    return io.str();
}

std::string ReadBack(const std::string &bytes)
{
    std::stringstream io(bytes);
    return ArchiveReader(io).ReadString();
}

} // namespace

// Integers and booleans are held against their bytes in the records' tests.
TEST(ArchiveTest, StringLengthTakesOneThreeOrSevenBytes)
{
    EXPECT_EQ(StringForm(""), Bytes({0}));
    EXPECT_EQ(StringForm(std::string(254, 'a')).substr(0, 2), Bytes({254, 'a'}));
    EXPECT_EQ(StringForm(std::string(300, 'a')), Bytes({0xFF, 0x2C, 0x01}) + std::string(300, 'a'));
    EXPECT_EQ(StringForm(std::string(65533, 'a')).substr(0, 3), Bytes({0xFF, 0xFD, 0xFF}));
    EXPECT_EQ(StringForm(std::string(70000, 'a')).substr(0, 7),
              Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0}));
    for (std::size_t n : {0, 255, 65533, 65534, 70000}) {
        const std::string text(n, 'q');
        EXPECT_EQ(ReadBack(StringForm(text)), text) << n;
    }
}

// Single bytes are windows-1250, the page of the Czech and Slovak files.
TEST(ArchiveTest, NamesUseSingleWindows1250BytesWhenEveryCharacterHasOne)
{
    const std::string german = "Müller";
    EXPECT_EQ(StringForm(german), Bytes({6, 'M', 0xFC, 'l', 'l', 'e', 'r'}));
    EXPECT_EQ(ReadBack(StringForm(german)), german);

    const std::string czech = "Řehoř Žluťoučký";
    const std::string stored = Bytes(
        {15, 0xD8, 'e', 'h', 'o', 0xF8, ' ', 0x8E, 'l', 'u', 0x9D, 'o', 'u', 0xE8, 'k', 0xFD});
    EXPECT_EQ(ReadBack(stored), czech);
    EXPECT_EQ(StringForm(czech), stored);

    // Every byte the page defines reads as a character that is written back
    // as that same byte.
    std::string every;
    for (int b = 1; b < 0x100; ++b)
        if (b != 0x81 && b != 0x83 && b != 0x88 && b != 0x90 && b != 0x98)
            every += static_cast<char>(b);
    ASSERT_LT(every.size(), 255u);
    const std::string everyStored = static_cast<char>(every.size()) + every;
    EXPECT_EQ(StringForm(ReadBack(everyStored)), everyStored);
}

TEST(ArchiveTest, NamesWindows1250LacksUseSixteenBitUnits)
{
    const std::string danish = "Ærøskøbing";
    EXPECT_EQ(StringForm(danish), Bytes({0xFF, 0xFE, 0xFF, 10, 0xC6, 0, 'r', 0, 0xF8, 0, 's', 0,
                                         'k',  0,    0xF8, 0,  'b',  0, 'i', 0, 'n',  0, 'g', 0}));
    EXPECT_EQ(ReadBack(StringForm(danish)), danish);
    const std::string cyrillic = "Иван";
    EXPECT_EQ(StringForm(cyrillic).substr(0, 4), Bytes({0xFF, 0xFE, 0xFF, 4}));
    EXPECT_EQ(ReadBack(StringForm(cyrillic)), cyrillic);
    const std::string clef = "\xF0\x9D\x84\x9E"; // a surrogate pair
    EXPECT_EQ(ReadBack(StringForm(clef)), clef);

    // A byte the page leaves undefined reads as U+FFFD, which no single
    // byte stands for: the name is written again in 16-bit units.
    const std::string undefined = ReadBack(Bytes({2, 'a', 0x81}));
    EXPECT_EQ(undefined, "a\xEF\xBF\xBD");
    EXPECT_EQ(StringForm(undefined), Bytes({0xFF, 0xFE, 0xFF, 2, 'a', 0, 0xFD, 0xFF}));
}

TEST(ArchiveTest, DamagedStringsRaiseIOErrors)
{
    EXPECT_THROW(ReadBack(Bytes({5, 'a', 'b'})), xIO);
    EXPECT_THROW(ReadBack(Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0})), xIO);
    // A length of gigabytes is refused before storage is requested for it;
    // asking first would end in std::bad_alloc rather than xIO.
    EXPECT_THROW(ReadBack(Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})),
                 xIO);
    EXPECT_THROW(ReadBack(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'})), xIO);
}
