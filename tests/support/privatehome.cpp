// Linked into every test program: before main runs, HOME and the XDG
// folders point into a temporary folder of this process, so nothing a test
// does or starts (the program registers itself with the desktop at every
// start) writes into the real home folder.

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
        const struct {
            const char *variable;
            const char *folder;
        } homes[] = {
            {"HOME", "home"},
            {"XDG_DATA_HOME", "home/.local/share"},
            {"XDG_CONFIG_HOME", "home/.config"},
            {"XDG_CACHE_HOME", "home/.cache"},
            {"XDG_STATE_HOME", "home/.local/state"},
            {"XDG_RUNTIME_DIR", "runtime"},
        };
        for (const auto &home : homes) {
            const QString path = root.filePath(home.folder);
            QDir().mkpath(path);
            qputenv(home.variable, QFile::encodeName(path));
        }
        QFile::setPermissions(
            root.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

const PrivateHome privateHome;

} // namespace
