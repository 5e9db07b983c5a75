#include "RecordsArchive.h"
#include "RecordBytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <sstream>
#include <string>

namespace rb = recordbytes;

namespace
{

// The writer is held against the layout byte by byte below, so two records
// that store the same bytes agree in every field.
std::string Store(const DataDivuzDoc &d)
{
    std::ostringstream out;
    ArchiveWriter ar(out);
    d.Serialize(ar);
    return out.str();
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

// Loads bytes into target; the text of the xError they raise, "" when accepted.
std::string LoadInto(DataDivuzDoc &target, const std::string &bytes)
{
    std::istringstream in(bytes);
    ArchiveReader ar(in);
    try {
        target.Serialize(ar);
    } catch (const xError &e) {
        return e.GetText();
    }
    return "";
}

DataDivuzDoc Load(const std::string &bytes)
{
    DataDivuzDoc d;
    EXPECT_EQ(LoadInto(d, bytes), "");
    return d;
}

// Refused with an xError (of the given text, when one is given) that leaves
// the record it was loaded into untouched.
::testing::AssertionResult RefusedCleanly(const std::string &bytes, const std::string &text = {})
{
    DataDivuzDoc target = Sentinel();
    const std::string error = LoadInto(target, bytes);
    if (error.empty() || (!text.empty() && error != text))
        return ::testing::AssertionFailure() << "error: \"" << error << '"';
    if (Store(target) != Store(Sentinel()))
        return ::testing::AssertionFailure() << "changed by " << error;
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(RecordsArchiveTest, TenMovesWithFourUndoneMatchTheLayoutAndCanBeRedone)
{
    const std::string bytes = rb::Bytes(rb::TenMovesFourUndone());
    ASSERT_EQ(bytes.size(), 88u + 20 * 11 + 6);
    EXPECT_EQ(Store(TenMovesFourUndone()), bytes);

    DataDivuzDoc loaded = Load(bytes);
    EXPECT_EQ(Store(loaded), Store(TenMovesFourUndone()));
    EXPECT_EQ(loaded.UndoRedoMoves.GetCurSize(), 7);
    EXPECT_TRUE(loaded.UndoRedoMoves.Forward(4));
    EXPECT_EQ(loaded.UndoRedoMoves.Top(), (HistoryEntry{10, 10, 0, 70, 80}));
}

// A fresh game stores only the bottom entry; its name, empty or of 300
// characters, takes the string form of its length. (The single-byte and 16-bit
// forms are held against their bytes in the archive's own tests.)
TEST(RecordsArchiveTest, FreshGameStoresOnlyTheBottomEntryAndItsNameAsItIsLong)
{
    DataDivuzDoc d;
    d.UndoRedoMoves.Push(HistoryEntry{});
    rb::Layout l;
    l.RedoLimit = l.CurSize = 1;
    l.Entries = {rb::Entry{}};
    EXPECT_EQ(Store(d), rb::Bytes(l));
    EXPECT_EQ(Store(Load(rb::Bytes(l))), Store(d));

    d.PlayerName = "";
    l.Name = std::string(1, '\0');
    EXPECT_EQ(Store(d), rb::Bytes(l));
    d.PlayerName = std::string(300, 'n');
    l.Name = std::string("\xFF\x2C\x01", 3) + std::string(300, 'n');
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
    EXPECT_EQ(Store(loaded), Store(d));
    EXPECT_EQ(loaded.WinLine.GetSize(), 5) << "the line is rebuilt at its exact length";
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

// Another version, and counts that cannot exist, are refused before what
// follows them is read.
TEST(RecordsArchiveTest, OtherVersionsAndCountsThatCannotExistAreRefused)
{
    const auto with = [](auto change) {
        rb::Layout l = rb::TenMovesFourUndone();
        change(l);
        return rb::Bytes(l);
    };
    for (std::int32_t version : {0, 2, -1, INT_MAX})
        EXPECT_TRUE(RefusedCleanly(with([&](rb::Layout &l) { l.Version = version; }),
                                   "Invalid file format!"));
    for (std::int32_t size : {400, -1, 12})
        EXPECT_TRUE(RefusedCleanly(with([&](rb::Layout &l) { l.CurSize = size; }),
                                   "Stack<T>::SetCurSize : BAD TSize."));
    // The stored entries would fill a complete history; the count alone is wrong.
    EXPECT_TRUE(RefusedCleanly(with([](rb::Layout &l) {
                                   l.RedoLimit = 400;
                                   l.Entries.resize(400);
                               }),
                               "Index out of range."));
    EXPECT_TRUE(
        RefusedCleanly(with([](rb::Layout &l) { l.RedoLimit = -5; }), "Index out of range."));
    EXPECT_TRUE(RefusedCleanly(with([](rb::Layout &l) { l.WinLineCount = -1; }),
                               "AbstractArray::AbstractArray: Size of array<0"));
    for (std::int32_t count : {362, 100000, INT_MAX}) {
        EXPECT_TRUE(RefusedCleanly(with([&](rb::Layout &l) {
            l.WinLineCount = count;
            l.WinLine.resize(362);
        }))) << count;
    }
    EXPECT_TRUE(RefusedCleanly(with([](rb::Layout &l) { l.Mode = 6; })));
    EXPECT_TRUE(RefusedCleanly(with([](rb::Layout &l) { l.GameMode = -1; })));
}

TEST(RecordsArchiveTest, RandomAndMutatedBytesNeverGetPastTheChecks)
{
    std::mt19937 random(20240611);
    const std::string valid = rb::Bytes(rb::TenMovesFourUndone());
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = valid;
        if (round % 2 == 0) { // noise behind a good version word, so the checks after it run
            bytes.resize(4 + std::uniform_int_distribution<std::size_t>(0, 400)(random));
            for (std::size_t i = 4; i < bytes.size(); ++i)
                bytes[i] = static_cast<char>(random());
        } else {
            for (int flips = 1 + round % 4; flips > 0; --flips)
                bytes[4 + random() % (bytes.size() - 4)] = static_cast<char>(random());
        }
        DataDivuzDoc target = Sentinel();
        if (!LoadInto(target, bytes).empty()) {
            ASSERT_EQ(Store(target), Store(Sentinel())) << "round " << round;
        }
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
