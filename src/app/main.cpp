#include "app/mainwindow.h"
#include "app/startupprobe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(plandex::appTitle);
    plandex::MainWindow window;
    plandex::armStartupProbe(window);
    window.show();
    return app.exec();
}
