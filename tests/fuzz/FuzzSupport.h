#pragma once

// What the fuzz targets share: the input as a seekable stream, the way the
// readers see a file, and a check that stops the run with a message.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

inline std::istringstream AsStream(const std::uint8_t *data, std::size_t size)
{
    return std::istringstream(std::string(reinterpret_cast<const char *>(data), size),
                              std::ios::binary);
}

// A broken promise of the code under test: libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
