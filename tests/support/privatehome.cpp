// Linked into every test program: before main runs, HOME and the XDG
// folders point into a temporary folder of this process, so nothing a test
// does or starts (the program registers itself with the desktop at every
// start) writes into the real home folder.

#include "support/privatefolders.h"
#include "support/scratchdir.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace {

struct PrivateHome {
    ScratchDir root {QDir::tempPath() + "/plandex-test-home-XXXXXX"};

    PrivateHome()
    {
        if (!root.isValid()) {
            std::fprintf(stderr, "privatehome: no temporary folder\n");
            std::abort();
        }
        usePrivateFolders(root.path());
    }
};

const PrivateHome privateHome;

} // namespace
