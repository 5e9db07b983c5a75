#include "RecordsArchive.h"
#include "RecordBytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <sstream>
#include <string>

namespace rb = recordbytes;

namespace {

std::string Store(const DataDivuzDoc &d)
{
    std::ostringstream out;
    ArchiveWriter ar(out);
    d.Serialize(ar);
    return out.str();
}

DataDivuzDoc Load(const std::string &bytes)
{
    std::istringstream in(bytes);
    ArchiveReader ar(in);
    DataDivuzDoc d;
    d.Serialize(ar);
    return d;
}

// The writer is held against the layout byte by byte below, so two records
// that store the same bytes agree in every field.
void ExpectSameRecord(const DataDivuzDoc &a, const DataDivuzDoc &b)
{
    EXPECT_EQ(Store(a), Store(b));
}

// The game of rb::TenMovesFourUndone as the document would hold it.
DataDivuzDoc TenMovesFourUndone()
{
    DataDivuzDoc d;
    d.UndoRedoMoves.Push(HistoryEntry{});
    for (int i = 1; i <= 10; ++i)
        d.UndoRedoMoves.Push(HistoryEntry{i, i, i % 2, 150 - (70 + i), 70 + i});
    d.UndoRedoMoves.Back(4);
    d.ComputerWins = 3;
    d.PlayerTime = 1234;
    d.IsPlayerFirst = false;
    d.Price1 = 76;
    d.SoundEvent = 3;
    d.Mode = ModeViewParty;
    d.Price2 = 74;
    d.PlayerName = "Karel";
    d.PlayerWins = 2;
    d.ComputerTime = 567;
    d.FoundMove = Place{7, 8, KREST};
    return d;
}

// A record unlike a fresh one in every field, to see that a failed load
// leaves it alone.
DataDivuzDoc Sentinel()
{
    DataDivuzDoc d = TenMovesFourUndone();
    d.Winner = KREST;
    d.WinLine = BoundedList<Place>(2);
    d.WinLine.Push(Place{1, 2, KREST});
    d.PlayerName = "Sentinel";
    return d;
}

// Loads bytes into a copy of the sentinel; true when they were refused with
// an xError and the copy is untouched.
::testing::AssertionResult RefusedCleanly(const std::string &bytes)
{
    DataDivuzDoc target = Sentinel();
    std::istringstream in(bytes);
    ArchiveReader ar(in);
    try {
        target.Serialize(ar);
    } catch (const xError &) {
        ExpectSameRecord(target, Sentinel());
        return ::testing::AssertionSuccess();
    } catch (const std::exception &e) {
        return ::testing::AssertionFailure() << "std::exception: " << e.what();
    }
    return ::testing::AssertionFailure() << "accepted";
}

std::string ErrorText(const std::string &bytes)
{
    try {
        Load(bytes);
    } catch (const xError &e) {
        return e.GetText();
    }
    return "accepted";
}

} // namespace

TEST(RecordsArchiveTest, TenMovesWithFourUndoneMatchTheLayoutAndCanBeRedone)
{
    const std::string bytes = rb::Bytes(rb::TenMovesFourUndone());
    ASSERT_EQ(bytes.size(), 88u + 20 * 11 + 6);
    EXPECT_EQ(Store(TenMovesFourUndone()), bytes);

    DataDivuzDoc loaded = Load(bytes);
    ExpectSameRecord(loaded, TenMovesFourUndone());
    EXPECT_EQ(loaded.UndoRedoMoves.GetCurSize(), 7);
    EXPECT_TRUE(loaded.UndoRedoMoves.Forward(4));
    EXPECT_EQ(loaded.UndoRedoMoves.Top(), (HistoryEntry{10, 10, 0, 70, 80}));
}

TEST(RecordsArchiveTest, FreshGameStoresOnlyTheBottomEntry)
{
    DataDivuzDoc d;
    d.UndoRedoMoves.Push(HistoryEntry{});
    rb::Layout l;
    l.RedoLimit = l.CurSize = 1;
    l.Entries = {rb::Entry{}};
    EXPECT_EQ(Store(d), rb::Bytes(l));
    // The bottom entry: Price2, Price1, x, y zero, then FREE.
    EXPECT_EQ(Store(d).substr(20, 20), std::string(16, '\0') + std::string("\x02\0\0\0", 4));
    ExpectSameRecord(Load(rb::Bytes(l)), d);
}

TEST(RecordsArchiveTest, NameTakesTheStringFormOfItsLengthAndCharacters)
{
    DataDivuzDoc d;
    rb::Layout l;

    d.PlayerName = "";
    l.Name = std::string(1, '\0');
    EXPECT_EQ(Store(d), rb::Bytes(l));

    d.PlayerName = std::string(300, 'n');
    l.Name = std::string("\xFF\x2C\x01", 3) + std::string(300, 'n');
    EXPECT_EQ(Store(d), rb::Bytes(l));
    EXPECT_EQ(Load(rb::Bytes(l)).PlayerName, d.PlayerName);

    d.PlayerName = "M\xC3\xBCller"; // Müller fits Latin-1: one byte per character
    l.Name = rb::NarrowString("M\xFCller");
    EXPECT_EQ(Store(d), rb::Bytes(l));
    EXPECT_EQ(Load(rb::Bytes(l)).PlayerName, d.PlayerName);

    d.PlayerName = "Ji\xC5\x99\xC3\xAD"; // Jiří needs the 16-bit form
    l.Name = std::string("\xFF\xFE\xFF\x04J\0i\0\x59\x01\xED\0", 12);
    EXPECT_EQ(Store(d), rb::Bytes(l));
    EXPECT_EQ(Load(rb::Bytes(l)).PlayerName, d.PlayerName);
}

TEST(RecordsArchiveTest, EveryFieldSurvivesARoundTrip)
{
    DataDivuzDoc d = TenMovesFourUndone();
    d.Winner = NOL;
    d.WinPredict = KREST;
    d.IsBadMove = true;
    d.WinLine = BoundedList<Place>(6);
    for (int i = 0; i < 5; ++i)
        d.WinLine.Push(Place{3 + i, 18 - i, NOL});
    d.IsThinking = true;
    d.PlayerSign = KREST;
    d.GameMode = PlayerWon;
    d.PlayerName = "\xE5\xBC\xA0\xE4\xB8\x89 \xF0\x9F\x98\x80"; // CJK and an emoji
    d.PlayerTime = INT_MAX;
    d.ComputerTime = INT_MIN;
    const DataDivuzDoc loaded = Load(Store(d));
    ExpectSameRecord(loaded, d);
    EXPECT_EQ(loaded.WinLine.GetSize(), 5) << "the line is rebuilt at its exact length";
}

TEST(RecordsArchiveTest, VersionOtherThanOneIsReportedAndNothingMoreIsRead)
{
    for (std::int32_t version : {0, 2, -1, INT_MAX}) {
        rb::Layout l = rb::TenMovesFourUndone();
        l.Version = version;
        std::istringstream in(rb::Bytes(l));
        ArchiveReader ar(in);
        DataDivuzDoc target = Sentinel();
        try {
            target.Serialize(ar);
            ADD_FAILURE() << "version " << version << " accepted";
        } catch (const xBadVersion &e) {
            EXPECT_STREQ(e.GetText(), "Invalid file format!");
        }
        EXPECT_EQ(in.tellg(), 4);
        ExpectSameRecord(target, Sentinel());
    }
    EXPECT_STREQ(InvalidFileFormatCaption, "Error");
}

TEST(RecordsArchiveTest, EveryPrefixOfAValidFileIsRefusedCleanly)
{
    rb::Layout l = rb::TenMovesFourUndone();
    l.WinLineCount = 2;
    l.WinLine = {rb::Cell{1, 1, 0}, rb::Cell{2, 2, 0}};
    const std::string bytes = rb::Bytes(l);
    for (std::size_t n = 0; n < bytes.size(); ++n)
        EXPECT_TRUE(RefusedCleanly(bytes.substr(0, n))) << "prefix of " << n << " bytes";
}

TEST(RecordsArchiveTest, CountsThatCannotExistAreRefusedBeforeTheirContents)
{
    const auto with = [](auto change) {
        rb::Layout l = rb::TenMovesFourUndone();
        change(l);
        return rb::Bytes(l);
    };
    EXPECT_EQ(ErrorText(with([](rb::Layout &l) { l.CurSize = 400; })),
              "Stack<T>::SetCurSize : BAD TSize.");
    EXPECT_EQ(ErrorText(with([](rb::Layout &l) { l.CurSize = -1; })),
              "Stack<T>::SetCurSize : BAD TSize.");
    EXPECT_EQ(ErrorText(with([](rb::Layout &l) { l.CurSize = 12; })),
              "Stack<T>::SetCurSize : BAD TSize.");
    // The stored entries would fill a complete history; the count alone is wrong.
    EXPECT_EQ(ErrorText(with([](rb::Layout &l) {
                  l.RedoLimit = 400;
                  l.Entries.resize(400);
              })),
              "Index out of range.");
    EXPECT_EQ(ErrorText(with([](rb::Layout &l) { l.RedoLimit = -5; })), "Index out of range.");
    EXPECT_EQ(ErrorText(with([](rb::Layout &l) { l.WinLineCount = -1; })),
              "AbstractArray::AbstractArray: Size of array<0");
    for (std::int32_t count : {362, 100000, INT_MAX}) {
        EXPECT_TRUE(RefusedCleanly(with([&](rb::Layout &l) {
            l.WinLineCount = count;
            l.WinLine.resize(362);
        }))) << count;
    }
    // A name claiming four gigabytes fails at once instead of asking for them.
    EXPECT_TRUE(RefusedCleanly(with(
        [](rb::Layout &l) { l.Name = std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7) + "Karel"; })));
    EXPECT_TRUE(RefusedCleanly(with([](rb::Layout &l) { l.Mode = 6; })));
    EXPECT_TRUE(RefusedCleanly(with([](rb::Layout &l) { l.GameMode = -1; })));
}

TEST(RecordsArchiveTest, RandomAndMutatedBytesNeverGetPastTheChecks)
{
    std::mt19937 random(20240611);
    const std::string valid = rb::Bytes(rb::TenMovesFourUndone());
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        if (round % 2 == 0) {
            // Noise behind a good version word, so the checks after it run.
            bytes = valid.substr(0, 4);
            const int length = std::uniform_int_distribution<int>(0, 400)(random);
            for (int i = 0; i < length; ++i)
                bytes += static_cast<char>(random());
        } else {
            bytes = valid;
            for (int flips = 1 + round % 4; flips > 0; --flips)
                bytes[4 + random() % (bytes.size() - 4)] = static_cast<char>(random());
        }
        DataDivuzDoc target = Sentinel();
        std::istringstream in(bytes);
        ArchiveReader ar(in);
        try {
            target.Serialize(ar);
        } catch (const xError &) {
            ExpectSameRecord(target, Sentinel());
        }
        ASSERT_FALSE(testing::Test::HasFailure()) << "round " << round;
    }
}

TEST(RecordsOrderTest, ShorterWonTournamentRanksHigherThenSmallerComputerTime)
{
    const auto win = [](int entries, int computerTime) {
        DataDivuzDoc d;
        for (int i = 0; i < entries; ++i)
            d.UndoRedoMoves.Push(HistoryEntry{});
        d.Mode = ModeTournament;
        d.GameMode = PlayerWon;
        d.ComputerTime = computerTime;
        return d;
    };
    EXPECT_TRUE(win(18, 900) < win(20, 100));
    EXPECT_FALSE(win(20, 100) < win(18, 900));
    EXPECT_TRUE(win(18, 100) < win(18, 101));
    EXPECT_FALSE(win(18, 101) < win(18, 100));
    EXPECT_FALSE(win(18, 100) < win(18, 100)) << "equal games: neither ranks higher";

    // Only a tournament game the player won counts as one.
    DataDivuzDoc lost = win(5, 0), plain = win(5, 0);
    lost.GameMode = ComputerWon;
    plain.Mode = ModeViewParty;
    EXPECT_TRUE(win(300, 9999) < lost);
    EXPECT_FALSE(lost < win(300, 9999));
    EXPECT_FALSE(plain < win(300, 9999));
    EXPECT_TRUE(lost < plain);
    EXPECT_TRUE(plain < lost);
}
