#include "Containers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

namespace
{

// The text of the xParam that f throws; empty when it throws nothing.
template <typename F> std::string ParamText(F &&f)
{
    try {
        f();
    } catch (const xParam &e) {
        return e.GetText();
    }
    return "";
}

struct Entry {
    std::int32_t a = 0;
};
void ArchiveStore(ArchiveWriter &ar, const Entry &e)
{
    ar.WriteInt32(e.a);
}
void ArchiveLoad(ArchiveReader &ar, Entry &e)
{
    e.a = ar.ReadInt32();
}

struct Valued {
    std::int32_t iValue = 0;
    std::int32_t id = 0;
};

} // namespace

TEST(AbstractArrayTest, BadSizesAndIndicesAreRefused)
{
    AbstractArray<int> empty(0);
    EXPECT_EQ(ParamText([&] { (void)empty[0]; }), "Index out of range.");
    EXPECT_EQ(ParamText([] { AbstractArray<int> bad(-1); }),
              "AbstractArray::AbstractArray: Size of array<0");
    AbstractArray<int> filled(3, 7);
    EXPECT_EQ(filled[2], 7);
    EXPECT_EQ(ParamText([&] { (void)filled[3]; }), "Index out of range.");
    EXPECT_EQ(ParamText([&] { (void)filled[-1]; }), "Index out of range.");
}

TEST(StackTest, MoveHistoryOf362RefusesTopWhenEmptyAndPushWhenFull)
{
    Stack<int> s(362);
    EXPECT_EQ(ParamText([&] { s.Top(); }), "Stack is empty.");
    EXPECT_EQ(ParamText([&] { s.Pop(); }), "Stack is empty.");
    for (int i = 0; i < 362; ++i)
        s.Push(i);
    EXPECT_EQ(ParamText([&] { s.Push(362); }), "Stack is full.");
    EXPECT_EQ(s.GetCurSize(), 362);
    EXPECT_EQ(s.Top(), 361);
    EXPECT_EQ(ParamText([&] { s.SetCurSize(363); }), "Stack<T>::SetCurSize : BAD TSize.");
}

TEST(StackTest, BackAndForwardStayBetweenBottomEntryAndRedoTail)
{
    Stack<int> s(362);
    s.Push(0); // the bottom entry
    EXPECT_FALSE(s.Back(1));
    EXPECT_EQ(s.GetCurSize(), 1);

    for (int i = 1; i <= 5; ++i)
        s.Push(i);
    EXPECT_TRUE(s.Back(2));
    EXPECT_EQ(s.Top(), 3);
    EXPECT_TRUE(s.CanForward(2));
    EXPECT_FALSE(s.Forward(3));
    EXPECT_EQ(s[5], 5); // undone entries and free slots stay reachable
    s[361] = 7;
    EXPECT_EQ(s[361], 7);

    s.Push(40); // discards the redo tail
    EXPECT_EQ(s.GetCurSize(), 5);
    EXPECT_EQ(s.GetRedoLimit(), 5);
    EXPECT_FALSE(s.CanForward(1));
    EXPECT_TRUE(s.Back(0));
    EXPECT_TRUE(s.Forward(0));
    EXPECT_TRUE(s.Back(4));
    EXPECT_TRUE(s.Forward(4));
    EXPECT_EQ(s.Top(), 40);
}

TEST(StackTest, ArchiveKeepsUndoneEntriesAndRefusesSizesBeyondCapacity)
{
    Stack<Entry> s(362);
    for (int i = 0; i < 4; ++i)
        s.Push({i + 10});
    s.Back(2);
    std::stringstream io;
    ArchiveWriter w(io);
    s.Serialize(w);
    EXPECT_EQ(io.str(), std::string("\4\0\0\0\2\0\0\0\12\0\0\0\13\0\0\0\14\0\0\0\15\0\0\0", 24));
    Stack<Entry> t(362);
    ArchiveReader r(io);
    t.Serialize(r);
    EXPECT_EQ(t.GetRedoLimit(), 4);
    EXPECT_EQ(t.GetCurSize(), 2);
    EXPECT_EQ(t[3].a, 13);

    std::stringstream bad;
    ArchiveWriter bw(bad);
    bw.WriteInt32(10);
    bw.WriteInt32(400);
    bw.WriteInt32(400); // a second load: RedoLimit 400, CurSize 5, then entries
    for (int i = 0; i < 401; ++i)
        bw.WriteInt32(5);
    ArchiveReader br(bad);
    EXPECT_EQ(ParamText([&] { t.Serialize(br); }), "Stack<T>::SetCurSize : BAD TSize.");
    EXPECT_EQ(ParamText([&] { t.Serialize(br); }), "Index out of range.");
    EXPECT_EQ(bad.tellg(), 4 * (3 + 1 + 362)); // every slot was filled first
}

TEST(SortByValueTest, SortsAscendingWithinTheGivenRange)
{
    Valued one[1] = {{5, 9}};
    SortByValue(one, 0, 0);
    EXPECT_EQ(one[0].id, 9);

    // Many duplicates; the first and last records lie outside the range.
    Valued many[62];
    for (int i = 0; i < 62; ++i)
        many[i] = {(i * 37) % 11 - 5, i};
    many[0].iValue = many[61].iValue = 100;
    SortByValue(many, 1, 60);
    EXPECT_TRUE(std::is_sorted(
        many + 1, many + 61, [](const Valued &x, const Valued &y) { return x.iValue < y.iValue; }));
    EXPECT_EQ(many[0].id + many[61].id, 61);
}
