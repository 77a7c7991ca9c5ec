// libFuzzer: bytes as a room file.
#include "roomfilecheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString problem = plandex::checkRoomFile(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "fuzz_room_file: %s\n", problem.toUtf8().constData());
        std::abort();
    }
    return 0;
}
