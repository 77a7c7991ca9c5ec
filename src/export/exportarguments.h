#pragma once

#include "sheet/sheetexport.h"
#include "walkways/roomwalkways.h"

#include <QString>
#include <QStringList>

namespace plandex {

// What the command line of plandex-export asks for.
struct ExportArguments {
    QString room;
    QString out;
    SheetFormat format = SheetFormat::Pdf;
    SheetRequest request;
    // The room as data instead of a sheet.
    enum class Data { None, Json, Csv };
    Data data = Data::None;
    // The width of a person whose walkways are told, and whether it was
    // asked for (a sheet shows them only then).
    int passage = defaultPassage;
    bool passageGiven = false;
    bool help = false;
    // Why the arguments are refused; empty when they are sound.
    QString error;
};

// ROOM.kom OUT.pdf|OUT.png|OUT.svg|OUT.dxf|OUT.json|OUT.csv [--scale fit|1:N]
// [--paper A4|A3|Letter] [--dpi N] [--passage W], options also as
// --name=value, in any order; --help.
ExportArguments parseExportArguments(const QStringList &arguments);

} // namespace plandex
