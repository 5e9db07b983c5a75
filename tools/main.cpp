// divuz-engine: Divuz's engine on the command line. It prints the line-pattern
// table, analyses positions, plays itself and speaks the stdin/stdout protocol
// of gomoku tournament managers.

#include "Commands.h"

#include <cstdio>
#include <string>

namespace
{

const char *const Usage =
    "usage: divuz-engine COMMAND [ARGS]\n"
    "  table                         the line-pattern class of every meaningful code\n"
    "  search [--level L | --seconds S] [--side 0|1] [--seed N] [--stats] x,y,s ...\n"
    "                                levels -361..-1 pick among the -L best-rated cells,\n"
    "                                levels 0..19 search that deep (the engine's tables\n"
    "                                end there); a board with five on it is refused\n"
    "  selfplay --first SETTING --second SETTING [--games N] [--seed N]\n"
    "  brain [--setting N]           play through the gomoku manager protocol\n"
    "  show FILE                     a saved game (.orb) as JSON\n"
    "  show-best FILE                the 50 entries of a best-games file as JSON\n"
    "  --help, --version\n"
    "Divuz plays freestyle: five or more in a row wins. The brain answers\n"
    "INFO rule with anything but 0 (freestyle) with ERROR.\n"
    "Exit status: 0 success, 1 the input cannot be used (a damaged file, a position\n"
    "refused or already won), 2 a usage error.\n";

} // namespace

int UsageError(const std::string &message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    return ExitUsage;
}

int InputFailure(const std::string &message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    return ExitInputFailure;
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs(Usage, stderr);
        return ExitUsage;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "help") {
        std::fputs(Usage, stdout);
        return ExitSuccess;
    }
    if (command == "--version") {
        std::printf("divuz-engine %s\n", DIVUZ_VERSION);
        return ExitSuccess;
    }
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
    return ExitUsage;
}
