// divuz-engine: Divuz's engine on the command line. It prints the line-pattern
// table, analyses positions, plays itself and speaks the stdin/stdout protocol
// of gomoku tournament managers.

#include "Commands.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

const char *const Usage =
    "usage: divuz-engine COMMAND [ARGS]\n"
    "  table                         the line-pattern class of every meaningful code\n"
    "  search [--level L | --seconds S] [--side 0|1] [--seed N] [--stats] x,y,s ...\n"
    "  selfplay --first SETTING --second SETTING [--games N] [--seed N]\n"
    "  brain [--setting N]           play through the gomoku manager protocol\n"
    "  show FILE                     a saved game (.orb) as JSON\n"
    "  show-best FILE                the 50 entries of a best-games file as JSON\n";

} // namespace

bool ParseInt(const std::string &text, long long &value)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && end != nullptr && *end == '\0';
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    const Args args(argv + 2, argv + argc);
    if (command == "table")
        return RunTable(args);
    if (command == "search")
        return RunSearch(args);
    if (command == "selfplay")
        return RunSelfPlay(args);
    if (command == "brain")
        return RunBrain(args);
    if (command == "show")
        return RunShow(args);
    if (command == "show-best")
        return RunShowBest(args);
    std::fprintf(stderr, "divuz-engine: unknown command '%s'\n%s", command.c_str(), Usage);
    return 2;
}
