#include "Protocol.h"

#include <algorithm>

namespace
{

constexpr std::string_view Blanks = " \t\r";

std::string_view Trim(std::string_view s)
{
    const std::size_t a = s.find_first_not_of(Blanks);
    if (a == std::string_view::npos)
        return {};
    return s.substr(a, s.find_last_not_of(Blanks) - a + 1);
}

// What the engine shows of a line it refuses: printable ASCII only, cut short,
// so an answer never carries control bytes or megabytes back to the manager.
std::string Echo(std::string_view s)
{
    std::string out;
    for (const char c : s.substr(0, MaxEchoLength))
        out += (c >= 0x20 && c < 0x7F) ? c : '?';
    if (s.size() > MaxEchoLength)
        out += "...";
    return out;
}

std::string Upper(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return out;
}

// count comma-separated plain decimals.
bool ParseFields(std::string_view text, long long *fields, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::size_t comma = text.find(',');
        if ((i + 1 < count) != (comma != std::string_view::npos))
            return false;
        if (!ParseDecimal(Trim(text.substr(0, comma)), fields[i]))
            return false;
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    return true;
}

bool OnBoard(long long v)
{
    return v >= 0 && v < BoardSize;
}

bool ParseCell(std::string_view text, int &x, int &y)
{
    long long f[2];
    if (!ParseFields(text, f, 2) || !OnBoard(f[0]) || !OnBoard(f[1]))
        return false;
    x = static_cast<int>(f[0]);
    y = static_cast<int>(f[1]);
    return true;
}

Request Error(const std::string &text)
{
    Request r;
    r.kind = Request::Error;
    r.text = text;
    return r;
}

} // namespace

bool ParseDecimal(std::string_view text, long long &value)
{
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty())
        return false;
    unsigned long long magnitude = 0;
    constexpr unsigned long long Limit = 9223372036854775808ULL; // 2^63
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        const unsigned digit = static_cast<unsigned>(c - '0');
        if (magnitude > (Limit - digit) / 10)
            return false;
        magnitude = magnitude * 10 + digit;
    }
    if (!negative && magnitude == Limit)
        return false;
    value = negative ? static_cast<long long>(0ULL - magnitude) : static_cast<long long>(magnitude);
    return true;
}

void LineSplitter::Feed(const char *data, std::size_t size, const LineHandler &handler)
{
    const char *end = data + size;
    while (data != end) {
        const char *newline = std::find(data, end, '\n');
        // Keep what fits; past the limit the bytes are only counted as dropped.
        const std::size_t room = MaxLineLength - myLine.size();
        const std::size_t piece = static_cast<std::size_t>(newline - data);
        myLine.append(data, std::min(room, piece));
        myTooLong = myTooLong || piece > room;
        if (newline == end)
            return;
        Emit(handler);
        data = newline + 1;
    }
}

void LineSplitter::Finish(const LineHandler &handler)
{
    if (!myLine.empty() || myTooLong)
        Emit(handler);
}

void LineSplitter::Emit(const LineHandler &handler)
{
    if (!myTooLong && !myLine.empty() && myLine.back() == '\r')
        myLine.pop_back();
    handler(myLine, myTooLong);
    myLine.clear();
    myTooLong = false;
}

bool ProtocolReader::Read(std::string_view line, bool tooLong, Request &out)
{
    if (tooLong) {
        // Inside BOARD a lost line spoils the position; the error comes at DONE.
        if (myInBoard) {
            myBoardError =
                "ERROR a BOARD line is longer than " + std::to_string(MaxLineLength) + " bytes";
            return false;
        }
        out = Error("ERROR line longer than " + std::to_string(MaxLineLength) +
                    " bytes: " + Echo(line));
        return true;
    }
    line = Trim(line);
    const std::size_t space = line.find_first_of(" \t");
    const std::string command = Upper(line.substr(0, space));
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view{} : Trim(line.substr(space + 1));

    if (myInBoard) {
        if (command == "DONE") {
            myInBoard = false;
            if (!myBoardError.empty()) {
                out = Error(myBoardError);
            } else {
                out = Request{};
                out.kind = Request::Board;
                out.stones = std::move(myStones);
            }
            myStones.clear();
            myBoardError.clear();
            return true;
        }
        // A position cut off by END is never played.
        if (command == "END") {
            out = Finish();
            return true;
        }
        long long f[3];
        if (!ParseFields(line, f, 3) || !OnBoard(f[0]) || !OnBoard(f[1]) ||
            (f[2] != 1 && f[2] != 2)) {
            if (myBoardError.empty())
                myBoardError = "ERROR bad BOARD line '" + Echo(line) + "'";
        } else if (myStones.size() < CellCount) {
            myStones.push_back({static_cast<int>(f[0]), static_cast<int>(f[1]), f[2] == 1});
        } else if (myBoardError.empty()) {
            myBoardError = "ERROR more BOARD lines than cells";
        }
        return false;
    }

    if (line.empty())
        return false;
    out = Request{};
    if (command == "END") {
        out.kind = Request::End;
    } else if (command == "YXSTOP" || command == "STOP") {
        out.kind = Request::Stop;
    } else if (command == "ABOUT") {
        out.kind = Request::About;
    } else if (command == "RESTART") {
        out.kind = Request::Restart;
    } else if (command == "BEGIN") {
        out.kind = Request::Begin;
    } else if (command == "BOARD") {
        myInBoard = true;
        return false;
    } else if (command == "START") {
        out.kind = Request::Start;
        if (!ParseDecimal(rest, out.number))
            out = Error("ERROR START needs the board size");
    } else if (command == "TURN" || command == "TAKEBACK") {
        out.kind = command == "TURN" ? Request::Turn : Request::Takeback;
        if (!ParseCell(rest, out.x, out.y))
            out = Error("ERROR " + command + " needs x,y on the 19x19 board");
    } else if (command == "INFO") {
        const std::size_t gap = rest.find_first_of(" \t");
        const std::string key(rest.substr(0, gap));
        const std::string_view value =
            gap == std::string_view::npos ? std::string_view{} : Trim(rest.substr(gap + 1));
        const bool isTime = key == "timeout_turn" || key == "timeout_match" || key == "time_left";
        if (!isTime && key != "rule")
            return false; // max_memory, game_type, folder, ...: nothing the engine uses
        out.kind = Request::Info;
        out.key = key;
        bool number = ParseDecimal(value, out.number);
        // Digits beyond what 64 bits hold are a whole number all the same.
        const bool huge = !number && !value.empty() &&
                          value.find_first_not_of("0123456789") == std::string_view::npos;
        if (huge) {
            number = true;
            out.number = MaxTimeMs + 1;
        }
        if (key == "rule" && !(number && out.number == 0)) {
            out = Error("ERROR rule " + Echo(value) + " is not played; Divuz plays " + PlayedRules);
        } else if (!number) {
            out = Error("ERROR INFO " + key + " needs a whole number");
        } else if (isTime && out.number < 0) {
            out = Error("ERROR INFO " + key + " must not be negative");
        } else if (isTime && out.number > MaxTimeMs) {
            out.number = MaxTimeMs;
            out.text = "MESSAGE INFO " + key + " " + Echo(value) + " is too large; taken as " +
                       std::to_string(MaxTimeMs) + " ms";
        }
    } else {
        out.kind = Request::Unknown;
        out.text = Echo(command);
    }
    return true;
}

Request ProtocolReader::Finish()
{
    myInBoard = false;
    myStones.clear();
    myBoardError.clear();
    Request end;
    end.kind = Request::End;
    return end;
}
