#include "LinePatternTable.h"

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "table") == 0) {
        const auto &table = LinePattern::Table();
        for (unsigned code = 0; code < 65536; ++code) {
            bool meaningful = true;
            for (int j = 0; j < 8; ++j)
                meaningful = meaningful && ((code >> (2 * j)) & 3) != 3;
            if (meaningful)
                std::printf("%04x %d\n", code, table[code]);
        }
        return 0;
    }
    return 2;
}
