// Writes the files the divuz-engine show tests read into the folder named on
// the command line. The bytes come from the layout, not from the program's
// own writer, so the tests also catch a reader that agrees only with it.

#include "RecordBytes.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace rb = recordbytes;

namespace
{

// Three moves, the last undone; a won line of two cells and a name that
// needs the 16-bit form and JSON escapes: Jiří "Q"\<tab><U+0001>.
rb::Layout ShowGame()
{
    rb::Layout l;
    l.ComputerWins = 4;
    l.PlayerTime = 321;
    l.RedoLimit = 4;
    l.CurSize = 3;
    l.Entries = {rb::Entry{}, rb::Entry{75, 75, 9, 9, 1}, rb::Entry{70, 80, 10, 9, 0},
                 rb::Entry{60, 90, 10, 10, 1}};
    l.IsBadMove = 1;
    l.IsPlayerFirst = 0;
    l.Price1 = 80;
    l.SoundEvent = 2;
    l.Mode = 1;
    l.Price2 = 70;
    l.Name = rb::WideString(u"Ji\u0159\u00ed \"Q\"\\\t\u0001");
    l.PlayerWins = 5;
    l.ComputerTime = 654;
    l.PlayerSign = 0;
    l.FoundMove = rb::Cell{11, 12, 1};
    l.WinLineCount = 2;
    l.WinLine = {rb::Cell{9, 9, 1}, rb::Cell{10, 10, 1}};
    l.Winner = 1;
    l.WinPredict = 0;
    l.GameMode = 2;
    return l;
}

// Fifty empty places but entry 20, a tournament win of "Winner".
std::string BestTable()
{
    std::string out;
    for (int i = 0; i < 50; ++i) {
        rb::Layout l;
        if (i == 20) {
            l.Mode = 5;
            l.GameMode = 1;
            l.Name = rb::NarrowString("Winner");
        }
        out += rb::Bytes(l);
    }
    return out;
}

bool Write(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: write_show_samples FOLDER\n", stderr);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const std::string game = rb::Bytes(ShowGame());
    rb::Layout version2 = ShowGame();
    version2.Version = 2;
    const std::string best = BestTable();
    const bool ok =
        Write(folder + "game.orb", game) && Write(folder + "truncated.orb", game.substr(0, 50)) &&
        Write(folder + "version2.orb", rb::Bytes(version2)) && Write(folder + "Best.tab", best) &&
        Write(folder + "truncated.tab", best.substr(0, best.size() - 10));
    return ok ? 0 : 1;
}
