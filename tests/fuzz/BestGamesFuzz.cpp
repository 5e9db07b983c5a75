// The best-games file reader on any bytes: reading stops at the first
// damaged record with an xError, and the table always keeps its fifty
// entries, every one of which can be written back.

#include "FuzzSupport.h"

#include "BestGames.h"
#include "RecordsArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::istringstream in = AsStream(data, size);
    ArchiveReader ar(in);
    BestGames table;
    try {
        table.Serialize(ar);
    } catch (const xError &) {
        // A damaged table: the entries before the damage have been read.
    }
    FUZZ_CHECK(table.GetSize() == BestEntryCount);
    std::ostringstream out(std::ios::binary);
    ArchiveWriter writer(out);
    table.Serialize(writer);
    return 0;
}
