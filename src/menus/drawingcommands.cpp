#include "menus/drawingcommands.h"

#include "dialogs/sheetdialog.h"
#include "files/safesave.h"
#include "menus/commandmenu.h"
#include "menus/settings.h"
#include "menus/walkwaycommands.h"
#include "plan/editor.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>

namespace plandex {

namespace {

// The context its texts are translated in.
struct DrawingCommands {
    Q_DECLARE_TR_FUNCTIONS(DrawingCommands)
};

QSize roomOf(const Editor &editor)
{
    return editor.K().size();
}

// Qt's own save dialog, starting beside the room's file (or in the working
// folder) with the room's name and the format's extension.
QString askPath(QWidget &window, const Editor &editor, const QString &title, const QString &suffix)
{
    const QString room = editor.roomFile();
    const QString name
        = room.isEmpty() ? DrawingCommands::tr("комната") : QFileInfo(room).completeBaseName();
    const QString folder = room.isEmpty() ? QDir::currentPath() : QFileInfo(room).absolutePath();
    QFileDialog dialog(&window, title, QDir(folder).filePath(name + '.' + suffix),
        QStringLiteral("%1 (*.%2)").arg(suffix.toUpper(), suffix));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// The sheet dialog at the last choices, which it keeps when accepted.
std::optional<SheetRequest> askChoices(
    SheetDialog::For target, const QString &title, const Editor &editor, QWidget &window)
{
    std::optional<SheetRequest> request
        = askSheet(target, title, sheetOf(editor, lastSheetChoices()), &window);
    if (request)
        keepSheetChoices(*request);
    return request;
}

void exportSheet(QWidget &window, Editor &editor, SheetFormat format)
{
    struct Kind {
        SheetFormat format;
        const char *title;
        QString suffix;
        SheetDialog::For target;
    };
    static const Kind kinds[] = {
        {SheetFormat::Pdf, QT_TRANSLATE_NOOP("DrawingCommands", "Экспорт в PDF"), "pdf",
            SheetDialog::For::Pdf},
        {SheetFormat::Png, QT_TRANSLATE_NOOP("DrawingCommands", "Экспорт в PNG"), "png",
            SheetDialog::For::Png},
        {SheetFormat::Svg, QT_TRANSLATE_NOOP("DrawingCommands", "Экспорт в SVG"), "svg",
            SheetDialog::For::Svg},
        {SheetFormat::Dxf, QT_TRANSLATE_NOOP("DrawingCommands", "Экспорт в DXF"), "dxf",
            SheetDialog::For::Pdf},
    };
    const Kind &kind = *std::find_if(
        std::begin(kinds), std::end(kinds), [format](const Kind &k) { return k.format == format; });
    const QString title = DrawingCommands::tr(kind.title);
    std::optional<SheetRequest> request = SheetRequest();
    // A DXF drawing is the room alone, 1 unit a centimetre: nothing to ask.
    if (format != SheetFormat::Dxf) {
        request = askChoices(kind.target, title, editor, window);
        if (!request)
            return;
        const QSize room = roomOf(editor);
        if (!settleScale(editor.prompts(),
                sheetFits(room, *request) ? QString() : sheetTooBig(room, *request),
                request->options))
            return;
    }
    const QString path = askPath(window, editor, title, kind.suffix);
    if (!path.isEmpty())
        writeSheetFile(editor, editor.prompts(), format, path, *request);
}

void printRoom(QWidget &window, Editor &editor)
{
    const QString title = DrawingCommands::tr("Печать");
    const std::optional<SheetRequest> request
        = askChoices(SheetDialog::For::Printer, title, editor, window);
    if (!request)
        return;
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, roomOf(editor));
    SheetOptions options = sheetOf(editor, *request).options;
    if (!settleScale(editor.prompts(),
            tooBigForPrinter(printer, roomOf(editor), options.scale, options.walkways), options))
        return;

    QPrintPreviewDialog preview(&printer, &window);
    preview.setWindowTitle(title);
    // The preview's page set-up may change the paper after the question.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter *p) {
        if (printSheet(*p, editor, options))
            return;
        if (settleScale(editor.prompts(),
                tooBigForPrinter(*p, roomOf(editor), options.scale, options.walkways), options))
            printSheet(*p, editor, options);
        else
            QTimer::singleShot(0, &preview, &QDialog::reject);
    });
    preview.exec();
}

} // namespace

bool settleScale(Prompts &prompts, const QString &tooBig, SheetOptions &options)
{
    if (tooBig.isEmpty())
        return true;
    QString why = tooBig;
    why[0] = why[0].toUpper();
    if (!prompts.confirm(DrawingCommands::tr("%1. Уместить её на лист?").arg(why)))
        return false;
    options.scale = 0;
    return true;
}

SheetRequest lastSheetChoices()
{
    SheetRequest r;
    r.options.scale = settingNumber(QStringLiteral("sheet/scale"), 0);
    if (std::find(std::begin(sheetScales), std::end(sheetScales), r.options.scale)
        == std::end(sheetScales))
        r.options.scale = 0;
    const int paper = settingNumber(QStringLiteral("sheet/paper"), QPageSize::A4);
    for (const QPageSize &p : sheetPapers())
        if (p.id() == paper)
            r.paper = p;
    r.dpi = std::clamp(settingNumber(QStringLiteral("sheet/dpi"), r.dpi), sheetMinDpi, sheetMaxDpi);
    r.options.positions = settingFlag(QStringLiteral("sheet/positions"), true);
    r.options.walkways = settingFlag(QStringLiteral("sheet/walkways"), false);
    r.options.passage = keptPassage();
    return r;
}

void keepSheetChoices(const SheetRequest &request)
{
    setSettingNumber(QStringLiteral("sheet/scale"), request.options.scale);
    setSettingNumber(QStringLiteral("sheet/paper"), int(request.paper.id()));
    setSettingNumber(QStringLiteral("sheet/dpi"), request.dpi);
    setSettingFlag(QStringLiteral("sheet/positions"), request.options.positions);
    setSettingFlag(QStringLiteral("sheet/walkways"), request.options.walkways);
}

SheetRequest sheetOf(const Editor &editor, SheetRequest request)
{
    request.options.fileName = editor.roomFile();
    request.options.date = QDate::currentDate();
    return request;
}

bool writeSheetFile(Editor &editor, Prompts &prompts, SheetFormat format, const QString &path,
    const SheetRequest &request)
{
    const QString reason
        = writeSheet(format, path, editor.table(), roomOf(editor), sheetOf(editor, request));
    if (reason.isEmpty())
        return true;
    prompts.message(saveFailureMessage(path, reason));
    return false;
}

void preparePrinter(QPrinter &printer, QSize room)
{
    printer.setFullPage(true);
    printer.setPageOrientation(
        sheetPageLayout(printer.pageLayout().pageSize(), room).orientation());
}

QString tooBigForPrinter(QPrinter &printer, QSize room, int scale, bool walkways)
{
    const int resolution = printer.resolution();
    if (layoutSheet(printer.pageLayout().fullRectPixels(resolution).size(), resolution, room, scale,
            walkways)
            .fits)
        return {};
    SheetRequest request;
    request.paper = printer.pageLayout().pageSize();
    request.options.scale = scale;
    request.options.walkways = walkways;
    return sheetTooBig(room, request);
}

bool printSheet(QPrinter &printer, const Editor &editor, const SheetOptions &options)
{
    return paintSheet(printer, printer.resolution(), editor.table(), roomOf(editor), options);
}

void addDrawingCommands(QWidget &window, Editor &editor, CommandMenu &menu)
{
    menu.add(MenuSection::Output, DrawingCommands::tr("Печать…"), {QKeySequence::Print},
        [&window, &editor] { printRoom(window, editor); });
    menu.add(MenuSection::Output, DrawingCommands::tr("Экспорт в PDF…"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        [&window, &editor] { exportSheet(window, editor, SheetFormat::Pdf); });
    menu.add(MenuSection::Output, DrawingCommands::tr("Экспорт в PNG…"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)},
        [&window, &editor] { exportSheet(window, editor, SheetFormat::Png); });
    menu.add(MenuSection::Output, DrawingCommands::tr("Экспорт в SVG…"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G)},
        [&window, &editor] { exportSheet(window, editor, SheetFormat::Svg); });
    menu.add(MenuSection::Output, DrawingCommands::tr("Экспорт в DXF…"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
        [&window, &editor] { exportSheet(window, editor, SheetFormat::Dxf); });
}

} // namespace plandex
