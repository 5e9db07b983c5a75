// The show and show-best commands: a saved game or the best-games file as
// JSON, field by field under the records' own names.

#include "Commands.h"

#include "RecordsArchive.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{

constexpr int BestFileEntries = 50;

// A JSON string literal. UTF-8 passes through; control characters are
// escaped, and bytes that are no valid UTF-8 (a damaged 16-bit name can
// decode to a lone surrogate) become U+FFFD so the output stays valid JSON.
std::string JsonString(const std::string &text)
{
    std::string out = "\"";
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = byte(i);
        if (c < 0x80) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
            }
            ++i;
            continue;
        }
        const int extra = (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 0;
        bool valid = extra > 0;
        char32_t cp = c & (0x3F >> extra);
        for (int k = 1; valid && k <= extra; ++k) {
            if (i + k >= text.size() || (byte(i + k) & 0xC0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (byte(i + k) & 0x3F);
        }
        static constexpr char32_t Smallest[4] = {0, 0x80, 0x800, 0x10000};
        valid = valid && cp >= Smallest[extra] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
        if (valid) {
            out.append(text, i, extra + 1);
            i += extra + 1;
        } else {
            out += "\\ufffd";
            ++i;
        }
    }
    return out + "\"";
}

std::string Int(std::int32_t v)
{
    return std::to_string(v);
}
std::string Bool(bool v)
{
    return v ? "true" : "false";
}

std::string PlaceJson(const Place &p)
{
    return "{\"x\": " + Int(p.x) + ", \"y\": " + Int(p.y) + ", \"iZnak\": " + Int(p.iZnak) + "}";
}

std::string EntryJson(const HistoryEntry &e)
{
    return "{\"x\": " + Int(e.x) + ", \"y\": " + Int(e.y) + ", \"iZnak\": " + Int(e.iZnak) +
           ", \"Price1\": " + Int(e.Price1) + ", \"Price2\": " + Int(e.Price2) + "}";
}

// One record as a JSON object whose lines start with indent.
std::string RecordJson(const DataDivuzDoc &d, const std::string &indent)
{
    const std::string in = indent + "  ";
    std::string out = "{\n";
    const auto field = [&](const char *name, const std::string &value, bool last = false) {
        out += in + "\"" + name + "\": " + value + (last ? "\n" : ",\n");
    };

    std::string winLine = "[";
    for (int i = 0; i < d.WinLine.GetCurSize(); ++i)
        winLine += (i > 0 ? ", " : "") + PlaceJson(d.WinLine[i]);
    winLine += "]";

    // Every recorded entry, undone ones included; CurSize tells them apart.
    const Stack<HistoryEntry> &h = d.UndoRedoMoves;
    std::string history = "{\n" + in + "  \"RedoLimit\": " + Int(h.GetRedoLimit()) + ",\n" + in +
                          "  \"CurSize\": " + Int(h.GetCurSize()) + ",\n" + in + "  \"Entries\": [";
    for (int i = 0; i < h.GetRedoLimit(); ++i)
        history += (i > 0 ? ",\n" : "\n") + in + "    " + EntryJson(h[i]);
    history += (h.GetRedoLimit() > 0 ? "\n" + in + "  ]\n" : "]\n") + in + "}";

    field("Winner", Int(d.Winner));
    field("WinPredict", Int(d.WinPredict));
    field("IsBadMove", Bool(d.IsBadMove));
    field("WinLine", winLine);
    field("Price1", Int(d.Price1));
    field("Price2", Int(d.Price2));
    field("FoundMove", PlaceJson(d.FoundMove));
    field("IsThinking", Bool(d.IsThinking));
    field("Mode", Int(d.Mode));
    field("PlayerSign", Int(d.PlayerSign));
    field("PlayerWins", Int(d.PlayerWins));
    field("ComputerWins", Int(d.ComputerWins));
    field("ComputerTime", Int(d.ComputerTime));
    field("PlayerTime", Int(d.PlayerTime));
    field("IsPlayerFirst", Bool(d.IsPlayerFirst));
    field("SoundEvent", Int(d.SoundEvent));
    field("UndoRedoMoves", history);
    field("GameMode", Int(d.GameMode));
    field("PlayerName", JsonString(d.PlayerName), true);
    return out + indent + "}";
}

// Opens the single FILE argument of a show command; 0 when it is open,
// else the exit code.
int OpenFile(const char *command, const Args &args, std::ifstream &file)
{
    if (args.size() != 1) {
        return UsageError(std::string("usage: divuz-engine ") + command + " FILE");
    }
    // A folder opens as a stream here but reads as nothing.
    std::error_code ec;
    if (!std::filesystem::is_directory(args[0], ec))
        file.open(args[0], std::ios::binary);
    if (!file.is_open())
        return InputFailure(std::string("divuz-engine ") + command + ": cannot open " + args[0]);
    return ExitSuccess;
}

} // namespace

int RunShow(const Args &args)
{
    std::ifstream file;
    if (const int rc = OpenFile("show", args, file); rc != 0)
        return rc;
    DataDivuzDoc record;
    try {
        ArchiveReader ar(file);
        record.Serialize(ar);
    } catch (const xError &e) {
        return InputFailure("divuz-engine show: " + args[0] +
                            ": damaged saved game: " + e.GetText());
    }
    std::fputs((RecordJson(record, "") + "\n").c_str(), stdout);
    return ExitSuccess;
}

int RunShowBest(const Args &args)
{
    std::ifstream file;
    if (const int rc = OpenFile("show-best", args, file); rc != 0)
        return rc;
    // An empty file stands for a table of empty places, as the game reads it.
    const bool empty = file.peek() == std::ifstream::traits_type::eof();
    file.clear();
    std::string out = "[";
    ArchiveReader ar(file);
    for (int i = 0; i < BestFileEntries; ++i) {
        DataDivuzDoc record;
        if (!empty) {
            try {
                record.Serialize(ar);
            } catch (const xError &e) {
                return InputFailure("divuz-engine show-best: " + args[0] + ": damaged entry " +
                                    std::to_string(i) + ": " + e.GetText());
            }
        }
        out += (i > 0 ? ",\n  " : "\n  ") + RecordJson(record, "  ");
    }
    out += "\n]\n";
    std::fputs(out.c_str(), stdout);
    return ExitSuccess;
}
