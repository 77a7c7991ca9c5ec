#include "app/commandline.h"
#include "app/fontwarmup.h"
#include "app/mainwindow.h"
#include "app/startupprobe.h"

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
    plandex::MainWindow window;
    plandex::armStartupProbe(window);
    // Before the window is shown: a bad file is reported first, and the
    // program then starts as usual.
    window.editor().openCommandLine(path);
    window.show();
    return app.exec();
}
