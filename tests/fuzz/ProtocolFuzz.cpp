// The manager protocol's reader on any bytes, fed in pieces as a pipe
// delivers them: lines never grow past the limit, echoes stay short and
// printable, and every cell of a request lies on the board.

#include "FuzzSupport.h"

#include "Protocol.h"

namespace
{

void CheckRequest(const Request &r)
{
    const auto onBoard = [](int v) { return v >= 0 && v < BoardSize; };
    switch (r.kind) {
    case Request::Turn:
    case Request::Takeback:
        FUZZ_CHECK(onBoard(r.x) && onBoard(r.y));
        break;
    case Request::Board:
        FUZZ_CHECK(r.stones.size() <= static_cast<std::size_t>(CellCount));
        for (const Request::Stone &s : r.stones)
            FUZZ_CHECK(onBoard(s.x) && onBoard(s.y));
        break;
    case Request::Info:
        if (r.key != "rule")
            FUZZ_CHECK(r.number >= 0 && r.number <= MaxTimeMs);
        else
            FUZZ_CHECK(r.number == 0);
        break;
    case Request::Unknown:
    case Request::Error:
        FUZZ_CHECK(r.text.size() <= 2 * MaxLineLength);
        for (const char c : r.text)
            FUZZ_CHECK(c >= 0x20 && c < 0x7F);
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    LineSplitter splitter;
    ProtocolReader reader;
    const auto line = [&](std::string_view text, bool tooLong) {
        FUZZ_CHECK(text.size() <= MaxLineLength);
        Request r;
        if (reader.Read(text, tooLong, r))
            CheckRequest(r);
    };
    // The first byte chooses the size of the pieces.
    const std::size_t piece = size > 0 ? 1 + data[0] % 64 : 1;
    const char *bytes = reinterpret_cast<const char *>(data);
    for (std::size_t at = 0; at < size; at += piece)
        splitter.Feed(bytes + at, std::min(piece, size - at), line);
    splitter.Finish(line);
    FUZZ_CHECK(reader.Finish().kind == Request::End);
    return 0;
}
