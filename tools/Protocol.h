#pragma once

// The stdin/stdout line protocol through which gomoku tournament managers
// drive an engine, read into requests. Nothing here knows the engine, so the
// reader can be tested and fuzzed on any bytes: a manager, a broken pipe or
// a hostile peer may send anything, and the reader must turn every input
// into requests or errors without holding more than one short line.

#include "Types.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The longest line the engine reads; the longest line the protocol knows is
// a few dozen bytes. Anything beyond is dropped as it arrives.
inline constexpr std::size_t MaxLineLength = 256;

// The longest piece of a line the engine echoes back in UNKNOWN or ERROR.
inline constexpr std::size_t MaxEchoLength = 40;

// The rules this engine plays, as it tells the manager.
inline constexpr const char *PlayedRules = "freestyle: five or more in a row wins";

// Splits a byte stream into lines ended by '\n' (a '\r' before it is
// dropped). A line longer than MaxLineLength is cut there, the rest of it is
// discarded as it arrives, and the line is marked as too long.
class LineSplitter
{
  public:
    using LineHandler = std::function<void(std::string_view line, bool tooLong)>;

    void Feed(const char *data, std::size_t size, const LineHandler &handler);
    // End of input: a last line without '\n' still counts.
    void Finish(const LineHandler &handler);

  private:
    void Emit(const LineHandler &handler);

    std::string myLine;
    bool myTooLong = false;
};

// Times in milliseconds: values above this are taken as this, so that no
// sum or product of times can overflow (it is more than eleven days).
inline constexpr long long MaxTimeMs = 1000000000;

struct Request {
    enum Kind {
        Start,    // Number: the board size
        Restart,  //
        Begin,    //
        Turn,     // X, Y: the opponent's move
        Board,    // Stones: the whole position
        Takeback, // X, Y
        Info,     // Key, Number (clamped times, Text then says so; the rule number)
        About,    //
        Stop,     // stop thinking and answer now
        End,      // leave at once
        Error,    // Text: what the engine answers
        Unknown,  // Text: the command, cut to MaxEchoLength
    };
    struct Stone {
        int x = 0;
        int y = 0;
        bool own = false; // field 1: the engine's stone; field 2: the opponent's
    };

    Kind kind = Error;
    long long number = 0;
    int x = 0;
    int y = 0;
    std::string key; // INFO: timeout_turn, timeout_match, time_left, rule
    std::vector<Stone> stones;
    std::string text; // Error, Unknown; Info: a note for the manager, if any
};

// Turns protocol lines into requests. Stateful only for BOARD, which spans
// the lines up to DONE.
class ProtocolReader
{
  public:
    // One line without its end; false when the line completes no request
    // (an empty line, a line inside BOARD, an INFO key the engine ignores).
    bool Read(std::string_view line, bool tooLong, Request &out);
    // End of input, or END inside BOARD: a BOARD left open is dropped,
    // never played. Returns the End request.
    Request Finish();

  private:
    bool myInBoard = false;
    std::vector<Request::Stone> myStones;
    std::string myBoardError;
};

// A plain decimal: an optional '-', then digits only, fitting 64 bits.
bool ParseDecimal(std::string_view text, long long &value);
