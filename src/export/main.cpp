// plandex-export: a room file as a PDF, PNG or SVG sheet, a DXF drawing or
// data for scripts and spreadsheets, without a window.

#include "export/exportarguments.h"
#include "export/roomdata.h"
#include "files/filepath.h"
#include "files/komfile.h"
#include "files/safesave.h"
#include "files/wholefile.h"
#include "language/language.h"
#include "model/objecttable.h"
#include "model/visibletext.h"

#include <QDate>
#include <QGuiApplication>
#include <QIODevice>

#include <cstdio>

using namespace plandex;

namespace {

// The context its texts are translated in.
struct PlandexExport {
    Q_DECLARE_TR_FUNCTIONS(PlandexExport)
};

const char usage[]
    = "usage: plandex-export ROOM.kom OUT.pdf|OUT.png|OUT.svg|OUT.dxf [--scale fit|1:N] "
      "[--paper A4|A3|Letter] [--dpi N] [--passage W]\n"
      "       plandex-export ROOM.kom OUT.json|OUT.csv [--passage W]\n";

// One line on stderr, and the exit status.
int fail(const QString &why, int status = 1)
{
    std::fprintf(stderr, "plandex-export: %s\n", why.toLocal8Bit().constData());
    return status;
}

// Scripts read one line on failure and nothing on success: Qt's own
// notes (such as a missing runtime folder) stay out of it.
void onlyGraveMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "plandex-export: %s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(onlyGraveMessages);
    // The sheet needs fonts but no display; Qt gets only the program's name.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    // Before the arguments, whose complaints are in the user's language.
    useLanguage(userLanguage());

    // Paths keep their bytes, UTF-8 or not.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << pathFromBytes(argv[i]);
    const ExportArguments args = parseExportArguments(arguments);
    if (args.help) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (!args.error.isEmpty())
        return fail(args.error, 2);

    const WholeFile file = ReadWholeFile(args.room);
    if (file.problem != ReadProblem::None)
        return fail(PlandexExport::tr("%1: не удалось прочитать файл").arg(visibleText(args.room)));
    const KomReadResult read = readKom(file.bytes);
    if (read.error)
        return fail(QStringLiteral("%1: %2").arg(visibleText(args.room), read.error.describe()));
    // The sheet would take the room file's place, by its name or a link.
    if (isSameFile(args.room, args.out))
        return fail(PlandexExport::tr("%1: это сам файл комнаты").arg(visibleText(args.out)));

    ObjectTable table;
    std::vector<ObjectTable::Row> rows;
    rows.reserve(read.room.objects.size());
    for (const KomRoom::Object &o : read.room.objects)
        rows.push_back(ObjectTable::makeRow(o.name, o.x, o.y));
    table.replaceAll(std::move(rows));
    const QSize room(read.room.width, read.room.height);

    if (args.data != ExportArguments::Data::None) {
        const QByteArray bytes = args.data == ExportArguments::Data::Json
            ? roomJson(table, room, args.passage)
            : roomCsv(table, room, args.passage);
        const QString reason = saveFileSafely(
            args.out, [&bytes](QIODevice &file) { return file.write(bytes) == bytes.size(); });
        if (!reason.isEmpty())
            return fail(QStringLiteral("%1: %2").arg(visibleText(args.out), reason));
        return 0;
    }

    SheetRequest request = args.request;
    request.options.fileName = args.room;
    request.options.date = QDate::currentDate();
    if (args.format != SheetFormat::Dxf && !sheetFits(room, request))
        return fail(sheetTooBig(room, request));
    const QString reason = writeSheet(args.format, args.out, table, room, request);
    if (!reason.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(visibleText(args.out), reason));
    return 0;
}
