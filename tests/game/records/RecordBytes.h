#pragma once

// Saved-game bytes put together field by field from the record layout, with
// nothing of the archive writer, so tests can hold the writer and the reader
// against an independent account of the format.

#include <cstdint>
#include <string>
#include <vector>

namespace recordbytes
{

inline void Int(std::string &out, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((u >> (8 * i)) & 0xFF);
}

// A short text in the single-byte string form; the characters are taken as
// they are (windows-1250 bytes).
inline std::string NarrowString(const std::string &bytes)
{
    return static_cast<char>(bytes.size()) + bytes;
}

// A text in the 16-bit string form: the marker 255, 65534, the length of
// the short form, then the UTF-16 units.
inline std::string WideString(const std::u16string &units)
{
    std::string out("\xFF\xFE\xFF", 3);
    out += static_cast<char>(units.size()); // short texts only
    for (char16_t u : units) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

// Entries as stored: Price2, Price1, x, y, iZnak.
struct Entry {
    std::int32_t Price2 = 0, Price1 = 0, x = 0, y = 0, iZnak = 2;
};
struct Cell {
    std::int32_t x = 0, y = 0, iZnak = 2;
};

// The fields in file order with the values of a fresh record.
struct Layout {
    std::int32_t Version = 1;
    std::int32_t ComputerWins = 0;
    std::int32_t PlayerTime = 0;
    std::int32_t RedoLimit = 0;
    std::int32_t CurSize = 0;
    std::vector<Entry> Entries; // RedoLimit of them in a sound file
    std::int32_t IsBadMove = 0, IsPlayerFirst = 1, IsThinking = 0;
    std::int32_t Price1 = 0, SoundEvent = 0, Mode = 0, Price2 = 0;
    std::string Name = NarrowString("Anonymous"); // the string form, length prefix included
    std::int32_t PlayerWins = 0, ComputerTime = 0, PlayerSign = 0;
    Cell FoundMove;
    std::int32_t WinLineCount = 0;
    std::vector<Cell> WinLine; // WinLineCount of them in a sound file
    std::int32_t Winner = 2, WinPredict = 2, GameMode = 0;
};

inline std::string Bytes(const Layout &l)
{
    std::string out;
    Int(out, l.Version);
    Int(out, l.ComputerWins);
    Int(out, l.PlayerTime);
    Int(out, l.RedoLimit);
    Int(out, l.CurSize);
    for (const Entry &e : l.Entries)
        for (std::int32_t v : {e.Price2, e.Price1, e.x, e.y, e.iZnak})
            Int(out, v);
    for (std::int32_t v :
         {l.IsBadMove, l.IsPlayerFirst, l.IsThinking, l.Price1, l.SoundEvent, l.Mode, l.Price2})
        Int(out, v);
    out += l.Name;
    for (std::int32_t v : {l.PlayerWins, l.ComputerTime, l.PlayerSign, l.FoundMove.x, l.FoundMove.y,
                           l.FoundMove.iZnak, l.WinLineCount})
        Int(out, v);
    for (const Cell &c : l.WinLine)
        for (std::int32_t v : {c.x, c.y, c.iZnak})
            Int(out, v);
    for (std::int32_t v : {l.Winner, l.WinPredict, l.GameMode})
        Int(out, v);
    return out;
}

// Ten moves, the last four undone: KREST opened at (9, 9) and the two sides
// alternate along the diagonal; the shares grow by one per move.
inline Layout TenMovesFourUndone()
{
    Layout l;
    l.ComputerWins = 3;
    l.PlayerTime = 1234;
    l.RedoLimit = 11;
    l.CurSize = 7;
    l.Entries.push_back(Entry{});
    for (int i = 1; i <= 10; ++i)
        l.Entries.push_back(Entry{150 - (70 + i), 70 + i, i, i, i % 2});
    l.IsPlayerFirst = 0;
    l.Price1 = 76;
    l.SoundEvent = 3;
    l.Mode = 4;
    l.Price2 = 74;
    l.Name = NarrowString("Karel");
    l.PlayerWins = 2;
    l.ComputerTime = 567;
    l.FoundMove = Cell{7, 8, 1};
    return l;
}

} // namespace recordbytes
