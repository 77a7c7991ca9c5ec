#include "app/commandline.h"
#include "app/fontwarmup.h"
#include "app/mainwindow.h"
#include "app/startupprobe.h"
#include "language/language.h"
#include "recovery/recoverystore.h"
#include "recovery/roomrecovery.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const std::jthread fonts = plandex::warmUpFonts();
    // The arguments are a room file's path and nothing else: Qt gets only
    // the program's name, so that it cannot take a path such as "-style x"
    // for one of its own options and remove it.
    const QString path = plandex::commandLineText(argc, argv);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(plandex::appTitle);
    plandex::useLanguage(plandex::userLanguage());
    // Made before the window and gone after it: a clean exit removes what
    // it kept.
    plandex::RecoveryStore recovery(plandex::RecoveryStore::defaultFolder());
    plandex::MainWindow window;
    plandex::RoomRecovery keeper(window.editor(), recovery);
    plandex::armStartupProbe(window);
    // Before the window is shown: a bad file is reported first, and the
    // program then starts as usual. A recovered room is shown instead of
    // the command line's.
    if (!keeper.offerLeftover(window.prompts()))
        window.editor().openCommandLine(path);
    window.show();
    return app.exec();
}
