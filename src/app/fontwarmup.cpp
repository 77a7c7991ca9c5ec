#include "app/fontwarmup.h"

#ifdef PLANDEX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace plandex {

std::jthread warmUpFonts()
{
#ifdef PLANDEX_HAVE_FONTCONFIG
    // Qt asks for the same configuration later; fontconfig keeps one for
    // the whole process and is safe to call from several threads.
    return std::jthread([] { FcInit(); });
#else
    return {};
#endif
}

} // namespace plandex
