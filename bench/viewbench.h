#pragma once

// What the benchmarks of the real plan view share: HOME and the XDG folders
// in a temporary folder, an offscreen screen of 1280 x 1024 on which the
// large room's plan scrolls, and the rows of the room they edit.

#include "app/mainwindow.h"
#include "benchroom.h"
#include "model/objecttable.h"
#include "model/pairtext.h"
#include "support/privatefolders.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>

#include <vector>

namespace plandex::bench {

// Before the QApplication is made; false when the folder or the screen's
// description could not be made.
inline bool useBenchScreen(const QTemporaryDir &home)
{
    if (!home.isValid())
        return false;
    usePrivateFolders(home.path());
    const QString screen = home.filePath("screen.json");
    QFile config(screen);
    if (!config.open(QIODevice::WriteOnly)
        || config.write(R"({ "screens": [ { "name": "bench", "x": 0, "y": 0,
                "width": 1280, "height": 1024, "logicalDpi": 96 } ] })")
            <= 0)
        return false;
    config.close();
    qputenv("QT_QPA_PLATFORM", QFile::encodeName("offscreen:configfile=" + screen));
    return true;
}

// The layout's objects as the editor stores those it draws.
inline std::vector<ObjectTable::Row> layoutRows(const Layout &L)
{
    std::vector<ObjectTable::Row> rows;
    for (int i = 0; i < L.count; ++i) {
        const Rect r = L.object(i);
        rows.push_back(ObjectTable::makeRow(
            QStringLiteral("Объект %1").arg(i + 1), createdPair(r.l, r.r), createdPair(r.t, r.b)));
    }
    return rows;
}

// The window showing the layout's room, of the layout's size or of room,
// once it is on the screen; false when the table took no rows.
inline bool showLayout(MainWindow &window, const Layout &L, QSize room = {})
{
    Editor &e = window.editor();
    e.K().resize(room.isValid() ? room : QSize(L.width, L.height));
    e.ProvForm();
    if (!e.table().replaceAll(layoutRows(L)))
        return false;
    e.OBNOV();
    window.show();
    for (int i = 0; i < 20 && !window.windowHandle()->isExposed(); ++i)
        QCoreApplication::processEvents();
    return true;
}

} // namespace plandex::bench
