#pragma once

#include "sheet/sheetexport.h"

#include <QString>
#include <QStringList>

namespace plandex {

// What the command line of plandex-export asks for.
struct ExportArguments {
    QString room;
    QString out;
    SheetFormat format = SheetFormat::Pdf;
    SheetRequest request;
    bool help = false;
    // Why the arguments are refused; empty when they are sound.
    QString error;
};

// ROOM.kom OUT.pdf|OUT.png|OUT.svg|OUT.dxf [--scale fit|1:N] [--paper A4|A3|Letter]
// [--dpi N], options also as --name=value, in any order; --help.
ExportArguments parseExportArguments(const QStringList &arguments);

} // namespace plandex
