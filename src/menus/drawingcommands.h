#pragma once

#include "sheet/sheetexport.h"

class QPrinter;
class QWidget;

namespace plandex {

class CommandMenu;
class Editor;
class Prompts;

// Print, PDF, PNG and SVG of the room's sheet and DXF of the room, in the
// Output section.
void addDrawingCommands(QWidget &window, Editor &editor, CommandMenu &menu);

// The steps behind the commands.

// A room that does not fit the page at the chosen scale (tooBig tells why;
// empty when it fits) is fitted to it when the user agrees; false when the
// user declines.
bool settleScale(Prompts &prompts, const QString &tooBig, SheetOptions &options);

// The choices of the last sheet made (scale, paper, resolution, position
// dimensions), kept in the user's settings for the dialogs; the title is
// the room's own each time.
SheetRequest lastSheetChoices();
void keepSheetChoices(const SheetRequest &request);

// The sheet of the editor's room, as it stands now, with its file name and
// today's date at the request's scale.
SheetRequest sheetOf(const Editor &editor, SheetRequest request);

// Writes the sheet to path; a failure is told as a failed save is.
bool writeSheetFile(Editor &editor, Prompts &prompts, SheetFormat format, const QString &path,
    const SheetRequest &request);

// The printer's page turned to follow the room's shape, drawn from the
// paper's edges (the sheet keeps its own margins).
void preparePrinter(QPrinter &printer, QSize room);
// Why the room does not fit the printer's page at scale, with the walkways'
// line in the title block or without; empty when it does.
QString tooBigForPrinter(QPrinter &printer, QSize room, int scale, bool walkways = false);
// Draws the sheet onto the printer; false when it does not fit its page.
bool printSheet(QPrinter &printer, const Editor &editor, const SheetOptions &options);

} // namespace plandex
