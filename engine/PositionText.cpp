#include "PositionText.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace
{

bool ParseNumber(const std::string &text, long &value)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value > -100000 && value < 100000;
}

} // namespace

bool ParseMoveText(const std::string &token, Move &move)
{
    long v[3];
    std::size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        std::size_t comma = token.find(',', start);
        if ((i < 2) != (comma != std::string::npos))
            return false;
        if (!ParseNumber(token.substr(start, comma - start), v[i]))
            return false;
        start = comma + 1;
    }
    if (v[2] != 0 && v[2] != 1)
        return false;
    move = Move{static_cast<int>(v[0]), static_cast<int>(v[1]), v[2] == 1 ? KREST : NOL, 0};
    return true;
}

bool ParseMoveList(const std::string &text, std::vector<Move> &moves, std::string &badToken)
{
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        Move m;
        if (!ParseMoveText(token, m)) {
            badToken = token;
            return false;
        }
        moves.push_back(m);
    }
    return true;
}
