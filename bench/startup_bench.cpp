// What the desktop registration adds to start-up: the main window's
// construction (which registers), and the registration alone on a first
// start (empty folders) and on every later start (all up to date).
// Prints milliseconds, the median of several runs. Runs offscreen with HOME
// and the XDG folders in a temporary folder.

#include "app/mainwindow.h"
#include "shell/filetyperegistration.h"
#include "support/fakewindow.h"
#include "support/privatefolders.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThreadPool>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace plandex;

namespace {

constexpr int runs = 31;

double medianMs(const std::function<void()> &prepare, const std::function<void()> &op)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        op();
        const auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::nth_element(ms.begin(), ms.begin() + runs / 2, ms.end());
    return ms[runs / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    usePrivateFolders(home.path());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QString program = QCoreApplication::applicationFilePath();
    const XdgFolders user = XdgFolders::ofUser();
    const QString fresh = home.filePath("fresh");
    const XdgFolders freshFolders {fresh + "/data", fresh + "/config"};
    QThreadPool *pool = QThreadPool::globalInstance();
    // Each run starts with the last one's background work finished.
    auto settled = [pool] { pool->waitForDone(); };
    auto firstStart = [&] {
        pool->waitForDone();
        QDir(fresh).removeRecursively();
        qputenv("XDG_DATA_HOME", QFile::encodeName(freshFolders.dataHome));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(freshFolders.configHome));
    };
    auto laterStart = [&] {
        pool->waitForDone();
        qputenv("XDG_DATA_HOME", QFile::encodeName(user.dataHome));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(user.configHome));
    };

    ScriptedPrompts prompts;
    laterStart();
    {
        MainWindow warmUp(&prompts);
    }
    const double windowFirst = medianMs(firstStart, [&] { MainWindow w(&prompts); });
    const double windowLater = medianMs(laterStart, [&] { MainWindow w(&prompts); });
    const double upToDate = medianMs(settled, [&] { registerFileType(program, user); });
    const double first = medianMs(firstStart, [&] { registerFileType(program, freshFolders); });
    pool->waitForDone();

    std::printf("Start-up and the desktop registration, milliseconds "
                "(median of %d runs, offscreen)\n\n",
        runs);
    std::printf(
        "  %-56s %8.3f\n", "main window, first start (registers in the background)", windowFirst);
    std::printf("  %-56s %8.3f\n", "main window, later start (all up to date)", windowLater);
    std::printf("  %-56s %8.3f\n", "registration and its database tools, first start", first);
    std::printf("  %-56s %8.3f\n", "registration itself, all up to date", upToDate);
    std::printf("\nThe registration runs on a worker thread; the window does not wait for it.\n");
    return 0;
}
