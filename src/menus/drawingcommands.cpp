#include "menus/drawingcommands.h"

#include "dialogs/sheetdialog.h"
#include "files/safesave.h"
#include "menus/commandmenu.h"
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

void exportSheet(QWidget &window, Editor &editor, SheetFormat format)
{
    const bool pdf = format == SheetFormat::Pdf;
    const QString title
        = pdf ? DrawingCommands::tr("Экспорт в PDF") : DrawingCommands::tr("Экспорт в PNG");
    std::optional<SheetRequest> request
        = askSheet(pdf ? SheetDialog::For::Pdf : SheetDialog::For::Png, title, &window);
    if (!request)
        return;
    if (!settleScale(editor.prompts(), sheetFits(roomOf(editor), *request), request->options))
        return;
    const QString path
        = askPath(window, editor, title, pdf ? QStringLiteral("pdf") : QStringLiteral("png"));
    if (!path.isEmpty())
        writeSheetFile(editor, editor.prompts(), format, path, *request);
}

void printRoom(QWidget &window, Editor &editor)
{
    const QString title = DrawingCommands::tr("Печать");
    const std::optional<SheetRequest> request = askSheet(SheetDialog::For::Printer, title, &window);
    if (!request)
        return;
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, roomOf(editor));
    SheetOptions options = sheetOf(editor, *request).options;
    if (!settleScale(
            editor.prompts(), fitsPrinter(printer, roomOf(editor), options.scale), options))
        return;

    QPrintPreviewDialog preview(&printer, &window);
    preview.setWindowTitle(title);
    // The preview's page set-up may change the paper after the question.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter *p) {
        if (printSheet(*p, editor, options))
            return;
        if (settleScale(editor.prompts(), false, options))
            printSheet(*p, editor, options);
        else
            QTimer::singleShot(0, &preview, &QDialog::reject);
    });
    preview.exec();
}

} // namespace

bool settleScale(Prompts &prompts, bool fits, SheetOptions &options)
{
    if (fits)
        return true;
    if (!prompts.confirm(DrawingCommands::tr(
            "Комната не помещается на лист в масштабе 1:%1. Уместить её на лист?")
                             .arg(options.scale)))
        return false;
    options.scale = 0;
    return true;
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

bool fitsPrinter(QPrinter &printer, QSize room, int scale)
{
    const int resolution = printer.resolution();
    return layoutSheet(
        printer.pageLayout().fullRectPixels(resolution).size(), resolution, room, scale)
        .fits;
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
}

} // namespace plandex
