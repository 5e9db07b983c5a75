#include "Protocol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

struct Line {
    std::string text;
    bool tooLong;
};

std::vector<Line> Split(const std::vector<std::string> &chunks, bool finish = true)
{
    std::vector<Line> lines;
    LineSplitter splitter;
    const auto keep = [&](std::string_view text, bool tooLong) {
        lines.push_back({std::string(text), tooLong});
    };
    for (const std::string &chunk : chunks)
        splitter.Feed(chunk.data(), chunk.size(), keep);
    if (finish)
        splitter.Finish(keep);
    return lines;
}

// Reads the lines one by one and returns the requests they complete.
std::vector<Request> ReadAll(const std::vector<std::string> &lines)
{
    ProtocolReader reader;
    std::vector<Request> out;
    for (const std::string &line : lines) {
        Request r;
        if (reader.Read(line, false, r))
            out.push_back(r);
    }
    return out;
}

Request ReadOne(const std::string &line)
{
    const std::vector<Request> all = ReadAll({line});
    EXPECT_EQ(all.size(), 1u) << line;
    return all.empty() ? Request{} : all[0];
}

} // namespace

TEST(ParseDecimalTest, TakesOnlyPlainDecimalsThatFit)
{
    long long v = 0;
    EXPECT_TRUE(ParseDecimal("0", v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(ParseDecimal("-17", v));
    EXPECT_EQ(v, -17);
    EXPECT_TRUE(ParseDecimal("9223372036854775807", v));
    EXPECT_EQ(v, 9223372036854775807LL);
    EXPECT_TRUE(ParseDecimal("-9223372036854775808", v));
    EXPECT_EQ(v, -9223372036854775807LL - 1);
    for (const char *bad : {"", "-", "+5", " 5", "5 ", "0x10", "1e3", "5.0", "9223372036854775808",
                            "-9223372036854775809", "99999999999999999999999"})
        EXPECT_FALSE(ParseDecimal(bad, v)) << bad;
    EXPECT_FALSE(ParseDecimal(std::string_view("\0", 1), v));
}

TEST(LineSplitterTest, CutsOverlongLinesWithoutHoldingThem)
{
    const std::string huge(10 * MaxLineLength, 'x');
    // Fed in small pieces, as a pipe delivers it.
    std::vector<std::string> chunks = {"ABOUT\r\nTU", "RN 9,9\n"};
    for (std::size_t i = 0; i < huge.size(); i += 100)
        chunks.push_back(huge.substr(i, 100));
    chunks.push_back("\nEND");
    const std::vector<Line> lines = Split(chunks);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "ABOUT");
    EXPECT_EQ(lines[1].text, "TURN 9,9");
    EXPECT_TRUE(lines[2].tooLong);
    EXPECT_EQ(lines[2].text.size(), MaxLineLength);
    EXPECT_EQ(lines[3].text, "END") << "a last line without its end still counts";
    EXPECT_FALSE(lines[3].tooLong);

    EXPECT_TRUE(Split({"\n\n"}, false).size() == 2u);
}

TEST(ProtocolReaderTest, RefusesNumbersThatAreNotPlainOrDoNotFit)
{
    Request r = ReadOne("TURN 10,11");
    EXPECT_EQ(r.kind, Request::Turn);
    EXPECT_EQ(r.x, 10);
    EXPECT_EQ(r.y, 11);
    EXPECT_EQ(ReadOne("turn  3 , 4 ").kind, Request::Turn);
    for (const std::string &bad : std::vector<std::string>{
             "TURN 19,0", "TURN -1,0", "TURN 4294967296,0", "TURN 9", "TURN 9,9,9", "TURN +9,9",
             std::string("TURN \0,\0", 9), "TAKEBACK 1,", "START", "START 0x13"}) {
        r = ReadOne(bad);
        EXPECT_EQ(r.kind, Request::Error) << bad;
        EXPECT_EQ(r.text.rfind("ERROR ", 0), 0u) << bad;
    }

    // Board lines: fields that only wrap to 1 or 2 in 32 bits spoil the board.
    for (const char *bad : {"5,5,4294967297", "6,6,-4294967294", "5,5,3", "5,5", "5,5,1,1"}) {
        const std::vector<Request> all = ReadAll({"BOARD", "9,9,1", bad, "10,10,2", "DONE"});
        ASSERT_EQ(all.size(), 1u);
        EXPECT_EQ(all[0].kind, Request::Error) << bad;
    }
    const std::vector<Request> board = ReadAll({"BOARD", "9,9,1", " 10 , 10 , 2 ", "DONE"});
    ASSERT_EQ(board.size(), 1u);
    ASSERT_EQ(board[0].kind, Request::Board);
    ASSERT_EQ(board[0].stones.size(), 2u);
    EXPECT_TRUE(board[0].stones[0].own);
    EXPECT_FALSE(board[0].stones[1].own);
}

TEST(ProtocolReaderTest, BoardCutOffByTheEndIsNeverPlayed)
{
    ProtocolReader reader;
    Request r;
    EXPECT_FALSE(reader.Read("BOARD", false, r));
    EXPECT_FALSE(reader.Read("9,9,1", false, r));
    EXPECT_EQ(reader.Finish().kind, Request::End);
    // Nothing of the cut board is left behind.
    EXPECT_FALSE(reader.Read("DONE", false, r) && r.kind == Request::Board);

    const std::vector<Request> ended = ReadAll({"BOARD", "9,9,1", "END", "DONE"});
    ASSERT_EQ(ended.size(), 2u);
    EXPECT_EQ(ended[0].kind, Request::End);
    EXPECT_EQ(ended[1].kind, Request::Unknown) << "DONE outside BOARD";

    // An over-long line inside BOARD spoils the board but does not end it.
    EXPECT_TRUE(reader.Read("BOARD", false, r) == false);
    EXPECT_FALSE(reader.Read(std::string(MaxLineLength, '1'), true, r));
    ASSERT_TRUE(reader.Read("DONE", false, r));
    EXPECT_EQ(r.kind, Request::Error);
}

TEST(ProtocolReaderTest, InfoTimesAreClampedWithANoteAndNegativesRefused)
{
    Request r = ReadOne("INFO timeout_turn 9223372036854775807");
    EXPECT_EQ(r.kind, Request::Info);
    EXPECT_EQ(r.key, "timeout_turn");
    EXPECT_EQ(r.number, MaxTimeMs);
    EXPECT_EQ(ReadOne("INFO time_left 3000000000000").number, MaxTimeMs);
    EXPECT_EQ(ReadOne("INFO timeout_match 0").number, 0);
    EXPECT_EQ(ReadOne("INFO timeout_match 0").text, "");
    // A time beyond what 64 bits hold is still a whole number, only too large;
    // the manager is told it was cut.
    r = ReadOne("INFO timeout_turn 9223372036854775808");
    EXPECT_EQ(r.kind, Request::Info);
    EXPECT_EQ(r.number, MaxTimeMs);
    EXPECT_EQ(r.text, "MESSAGE INFO timeout_turn 9223372036854775808 is too large; taken as "
                      "1000000000 ms");
    for (const char *bad : {"INFO timeout_turn -5", "INFO time_left -1", "INFO timeout_match x",
                            "INFO timeout_turn -99999999999999999999", "INFO timeout_turn"})
        EXPECT_EQ(ReadOne(bad).kind, Request::Error) << bad;
    // Keys the engine has no use for pass without an answer.
    EXPECT_TRUE(
        ReadAll({"INFO max_memory 83886080", "INFO folder /tmp/x y", "INFO game_type 1"}).empty());
}

TEST(ProtocolReaderTest, OnlyFreestyleIsPlayed)
{
    EXPECT_EQ(ReadOne("INFO rule 0").kind, Request::Info);
    for (const char *rule : {"INFO rule 1", "INFO rule 2", "INFO rule 4", "INFO rule x"}) {
        const Request r = ReadOne(rule);
        EXPECT_EQ(r.kind, Request::Error) << rule;
        EXPECT_NE(r.text.find(PlayedRules), std::string::npos) << r.text;
    }
}

TEST(ProtocolReaderTest, EchoesAreShortAndPrintable)
{
    const Request r = ReadOne("YES\x01\xff" + std::string(1000, 'Y') + " and more");
    EXPECT_EQ(r.kind, Request::Unknown);
    EXPECT_LE(r.text.size(), MaxEchoLength + 3);
    EXPECT_EQ(r.text.substr(0, 6), "YES??Y");

    ProtocolReader reader;
    Request tooLong;
    ASSERT_TRUE(reader.Read(std::string(MaxLineLength, 'Z'), true, tooLong));
    EXPECT_EQ(tooLong.kind, Request::Error);
    EXPECT_LT(tooLong.text.size(), 100u);

    EXPECT_EQ(ReadOne("yxstop").kind, Request::Stop);
    EXPECT_EQ(ReadOne("END").kind, Request::End);
    EXPECT_TRUE(ReadAll({"", "   ", "\r"}).empty());
}
