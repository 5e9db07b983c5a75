// The archive's length-prefixed string form on any bytes: a string comes
// back as UTF-8 or the reader throws, never allocating more than the input
// holds; written again and read back, it is the same text.

#include "FuzzSupport.h"

#include "Archive.h"
#include "Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::istringstream in = AsStream(data, size);
    ArchiveReader ar(in);
    std::string text;
    try {
        text = ar.ReadString();
    } catch (const xError &) {
        return 0;
    }
    FUZZ_CHECK(text.size() <= 3 * size);

    std::ostringstream out(std::ios::binary);
    ArchiveWriter writer(out);
    writer.WriteString(text);
    std::istringstream back(out.str(), std::ios::binary);
    ArchiveReader reader(back);
    FUZZ_CHECK(reader.ReadString() == text);
    return 0;
}
