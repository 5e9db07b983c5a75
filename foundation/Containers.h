#pragma once

// Fixed-capacity containers. Capacity is set at construction and changes only
// by assignment; every access is bounds-checked and every misuse throws.

#include "Archive.h"
#include "Errors.h"

#include <cstdint>
#include <new>
#include <utility>

template <typename T> class AbstractArray
{
  public:
    explicit AbstractArray(int size = 0) : mySize(size) { myData = Allocate(size); }
    AbstractArray(int size, const T &fill) : AbstractArray(size)
    {
        for (int i = 0; i < mySize; ++i)
            myData[i] = fill;
    }
    AbstractArray(const AbstractArray &other) : AbstractArray(other.mySize)
    {
        for (int i = 0; i < mySize; ++i)
            myData[i] = other.myData[i];
    }
    AbstractArray &operator=(const AbstractArray &other)
    {
        if (this == &other)
            return *this;
        if (mySize != other.mySize) {
            delete[] myData;
            myData = nullptr;
            mySize = 0;
            myData = Allocate(other.mySize);
            mySize = other.mySize;
        }
        for (int i = 0; i < mySize; ++i)
            myData[i] = other.myData[i];
        return *this;
    }
    virtual ~AbstractArray() { delete[] myData; }

    T &operator[](int i)
    {
        CheckIndex(i);
        return myData[i];
    }
    const T &operator[](int i) const
    {
        CheckIndex(i);
        return myData[i];
    }

    int GetSize() const { return mySize; }

    // Unchecked storage for the engine's inner loops, which keep their own
    // indices within range.
    T *Data() { return myData; }
    const T *Data() const { return myData; }

  protected:
    void CheckIndex(int i) const
    {
        if (i < 0 || i >= mySize)
            throw xParam("Index out of range.");
    }

  private:
    static T *Allocate(int size)
    {
        if (size < 0)
            throw xParam("AbstractArray::AbstractArray: Size of array<0");
        try {
            return new T[size > 0 ? size : 1]();
        } catch (const std::bad_alloc &) {
            throw xMemory();
        }
    }

    std::int32_t mySize;
    T *myData = nullptr;
};

// A list filled and emptied at its end like a stack; entries 0..CurSize-1
// are in use.
template <typename T> class BoundedList : public AbstractArray<T>
{
  public:
    explicit BoundedList(int size = 0) : AbstractArray<T>(size) {}
    BoundedList(const BoundedList &) = default;
    BoundedList &operator=(const BoundedList &) = default;

    void Push(const T &entry)
    {
        if (CurSize >= this->GetSize())
            throw xParam("Stack is full.");
        this->Data()[CurSize++] = entry;
    }
    T &Top()
    {
        if (CurSize < 1)
            throw xParam("Stack is empty.");
        return this->Data()[CurSize - 1];
    }
    const T &Top() const
    {
        if (CurSize < 1)
            throw xParam("Stack is empty.");
        return this->Data()[CurSize - 1];
    }
    void Pop()
    {
        if (CurSize < 1)
            throw xParam("Stack is empty.");
        --CurSize;
    }
    int GetCurSize() const { return CurSize; }
    // Drops every entry; the capacity stays.
    void Clear() { CurSize = 0; }

  protected:
    std::int32_t CurSize = 0;
};

// A history with redo: entries CurSize..RedoLimit-1 are undone entries that
// can be stepped forward over again until the next Push discards them.
template <typename T> class Stack : public BoundedList<T>
{
  public:
    explicit Stack(int size = 0) : BoundedList<T>(size) {}
    Stack(const Stack &) = default;
    Stack &operator=(const Stack &) = default;

    void Push(const T &entry)
    {
        BoundedList<T>::Push(entry);
        RedoLimit = this->CurSize;
    }
    // Strictly less: the bottom entry can never be stepped back over.
    bool CanBack(int n) const { return n < this->CurSize; }
    bool Back(int n)
    {
        bool can = CanBack(n);
        if (can) {
            for (int i = 0; i < n; ++i) {
                if (this->CurSize <= 0)
                    throw xParam("Stack is empty.");
                --this->CurSize;
            }
        }
        return can;
    }
    bool CanForward(int n) const { return n <= RedoLimit - this->CurSize; }
    bool Forward(int n)
    {
        bool can = CanForward(n);
        if (can) {
            for (int i = 0; i < n; ++i) {
                if (this->CurSize >= this->GetSize())
                    throw xParam("Stack is full.");
                ++this->CurSize;
            }
        }
        return can;
    }
    int GetRedoLimit() const { return RedoLimit; }
    void SetCurSize(int n)
    {
        if (n < 0 || n > this->GetSize())
            throw xParam("Stack<T>::SetCurSize : BAD TSize.");
        this->CurSize = n;
    }

    // Stores RedoLimit, CurSize and entries 0..RedoLimit-1, so undone entries
    // survive. The element type supplies ArchiveStore/ArchiveLoad.
    void Serialize(ArchiveWriter &ar) const
    {
        ar.WriteInt32(RedoLimit);
        ar.WriteInt32(this->CurSize);
        for (int i = 0; i < RedoLimit; ++i)
            ArchiveStore(ar, (*this)[i]);
    }
    void Serialize(ArchiveReader &ar)
    {
        RedoLimit = ar.ReadInt32();
        SetCurSize(ar.ReadInt32());
        for (int i = 0; i < RedoLimit; ++i)
            ArchiveLoad(ar, (*this)[i]);
    }

  private:
    std::int32_t RedoLimit = 0;
};

// Ascending quicksort of records[lo..hi] (inclusive) by their iValue. Not
// stable: which of two equal records comes first is part of how the engine
// breaks ties, so the partition scheme must stay exactly as it is.
template <typename T> void SortByValue(T *records, int lo, int hi)
{
    while (true) {
        const auto pivot = records[(lo + hi) / 2].iValue;
        int i = lo;
        int j = hi;
        do {
            while (records[i].iValue < pivot && i < hi)
                ++i;
            while (pivot < records[j].iValue && j > lo)
                --j;
            if (i <= j) {
                std::swap(records[i], records[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (lo < j)
            SortByValue(records, lo, j);
        if (i >= hi)
            return;
        lo = i;
    }
}
