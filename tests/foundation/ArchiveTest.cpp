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

TEST(ArchiveTest, NamesUseSingleBytesWhenLatin1AllowsElseSixteenBitUnits)
{
    const std::string latin = "M\xC3\xBCller"; // Müller
    EXPECT_EQ(StringForm(latin), Bytes({6, 'M', 0xFC, 'l', 'l', 'e', 'r'}));
    EXPECT_EQ(ReadBack(StringForm(latin)), latin);
    const std::string name = "Ji\xC5\x99\xC3\xAD"; // Jiří
    EXPECT_EQ(StringForm(name), Bytes({0xFF, 0xFE, 0xFF, 4, 'J', 0, 'i', 0, 0x59, 0x01, 0xED, 0}));
    EXPECT_EQ(ReadBack(StringForm(name)), name);
    const std::string clef = "\xF0\x9D\x84\x9E"; // a surrogate pair
    EXPECT_EQ(ReadBack(StringForm(clef)), clef);
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
