// libFuzzer: bytes as a text read with the leading-number rule.
#include "numberreadingcheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString problem = plandex::checkNumberReading(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "fuzz_number_reading: %s\n", problem.toUtf8().constData());
        std::abort();
    }
    return 0;
}
