#include "app/mainwindow.h"
#include "dialogs/sheetdialog.h"
#include "files/safesave.h"
#include "menus/drawingcommands.h"
#include "support/fakewindow.h"
#include "support/filebytes.h"
#include "support/modal.h"
#include "support/scratchdir.h"
#include "support/sheetchecks.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QTest>

using namespace plandex;

namespace {

// The main window with a room file open, shown and active.
struct Window {
    ScratchDir dir;
    ScriptedPrompts prompts;
    MainWindow window {&prompts};

    explicit Window(const QByteArray &roomFile = knownRoomFile())
    {
        const QString room = dir.filePath("комната.kom");
        if (!put(room, roomFile))
            qFatal("no room file");
        window.editor().openKom(room);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("window not active");
    }
    QAction *command(const QString &text) const
    {
        for (QAction *a : window.actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }
};

} // namespace

class TestDrawingCommands : public QObject
{
    Q_OBJECT

private slots:
    void commandsAndTheirKeys_data();
    void commandsAndTheirKeys();
    void printingOntoAPdfPrinter();
    void printShowsThePageInAPreview();
    void exportFromTheKeys_data();
    void exportFromTheKeys();
    void aRoomTooBigIsFittedOnlyWhenTheUserAgrees_data();
    void aRoomTooBigIsFittedOnlyWhenTheUserAgrees();
    void aFailedWriteIsToldAsAFailedSave();
};

void TestDrawingCommands::commandsAndTheirKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("keys");

    QTest::newRow("print") << "Печать…" << QKeySequence(QKeySequence::Print);
    QTest::newRow("pdf") << "Экспорт в PDF…" << QKeySequence("Ctrl+Shift+P");
    QTest::newRow("png") << "Экспорт в PNG…" << QKeySequence("Ctrl+Shift+E");
    QTest::newRow("svg") << "Экспорт в SVG…" << QKeySequence("Ctrl+Shift+G");
    QTest::newRow("dxf") << "Экспорт в DXF…" << QKeySequence("Ctrl+Shift+D");
}

void TestDrawingCommands::commandsAndTheirKeys()
{
    QFETCH(QString, text);
    QFETCH(QKeySequence, keys);
    Window w;
    QAction *action = w.command(text);
    QVERIFY(action);
    QCOMPARE(action->shortcut(), keys);
    QCOMPARE(action->shortcutContext(), Qt::WindowShortcut);
    QVERIFY(action->isEnabled());
}

void TestDrawingCommands::printingOntoAPdfPrinter()
{
    Window w;
    const QString pdf = w.dir.filePath("печать.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    preparePrinter(printer, knownRoomSize);
    QCOMPARE(tooBigForPrinter(printer, knownRoomSize, 50), QString());
    QCOMPARE(tooBigForPrinter(printer, knownRoomSize, 10),
        "комната 300 × 200 см не помещается на лист A4 в масштабе 1:10; на нём наибольший "
        "масштаб 1:20; в масштабе 1:10 нужен лист A3");
    SheetOptions options;
    options.scale = 50;
    QVERIFY(printSheet(printer, w.window.editor(), options));
    checkKnownSheet(pdf, {297, 210}, 50);
}

void TestDrawingCommands::printShowsThePageInAPreview()
{
    Window w;
    OnModal<SheetDialog> sheet([](SheetDialog *d) {
        QVERIFY(!d->paper() && !d->dpi()); // the printer's own
        d->accept();
    });
    int pages = -1;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    OnModal<QPrintPreviewDialog> preview([&](QPrintPreviewDialog *d) {
        auto *page = d->findChild<QPrintPreviewWidget *>();
        QTRY_VERIFY(page && page->pageCount() > 0);
        pages = page->pageCount();
        orientation = d->printer()->pageLayout().orientation();
        d->reject();
    });
    QTest::keyClick(&w.window, Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY(preview.fired());
    QCOMPARE(pages, 1);
    QCOMPARE(orientation, QPageLayout::Landscape);
    QCOMPARE(w.prompts.questions, QStringList());
}

void TestDrawingCommands::exportFromTheKeys_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("pdf") << QKeySequence("Ctrl+Shift+P") << "pdf";
    QTest::newRow("png") << QKeySequence("Ctrl+Shift+E") << "png";
    QTest::newRow("dxf") << QKeySequence("Ctrl+Shift+D") << "dxf";
}

// The sheet dialog (1:50, A3, 100 dpi for a picture), then Qt's file dialog;
// the drawing for CAD programs asks only for the file.
void TestDrawingCommands::exportFromTheKeys()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, suffix);
    Window w;
    const QString out = w.dir.filePath("лист");
    OnModal<SheetDialog> sheet([](SheetDialog *d) {
        d->scale()->setCurrentText("1:50");
        d->paper()->setCurrentText("A3");
        if (d->dpi())
            d->dpi()->setValue(100);
        d->accept();
    });
    OnModal<QFileDialog> file([&out](QFileDialog *d) {
        d->selectFile(out);
        static_cast<QDialog *>(d)->accept(); // the file dialog's own, which checks the name
    });
    QTest::keyClick(&w.window, keys[0].key(), keys[0].keyboardModifiers());
    QTRY_VERIFY(file.fired());
    QCOMPARE(sheet.fired(), suffix != "dxf");
    // The file dialog puts the extension on.
    const QString written = out + "." + suffix;
    QTRY_VERIFY(QFile::exists(written));
    if (suffix == "pdf")
        checkKnownSheet(written, {420, 297}, 50);
    else if (suffix == "png")
        QCOMPARE(QImage(written).size(), QSize(1654, 1169));
    else
        QVERIFY(contentOf(written).contains("$INSUNITS"));
    QCOMPARE(w.prompts.messages, QStringList());
    if (suffix != "dxf") {
        // The next dialog starts at these choices.
        const SheetRequest kept = lastSheetChoices();
        QCOMPARE(kept.options.scale, 50);
        QCOMPARE(kept.paper.id(), QPageSize::A3);
    }
}

void TestDrawingCommands::aRoomTooBigIsFittedOnlyWhenTheUserAgrees_data()
{
    QTest::addColumn<bool>("agree");
    QTest::newRow("fit it") << true;
    QTest::newRow("leave it") << false;
}

void TestDrawingCommands::aRoomTooBigIsFittedOnlyWhenTheUserAgrees()
{
    QFETCH(bool, agree);
    Window w("komfile: 700|500\x01\r\n");
    w.prompts.confirmAnswers = {agree};
    const QString out = w.dir.filePath("большая.pdf");
    OnModal<SheetDialog> sheet([](SheetDialog *d) {
        d->scale()->setCurrentText("1:25");
        d->paper()->setCurrentText("A4");
        d->accept();
    });
    OnModal<QFileDialog> file([&out](QFileDialog *d) {
        d->selectFile(out);
        static_cast<QDialog *>(d)->accept(); // the file dialog's own, which checks the name
    });
    w.command("Экспорт в PDF…")->trigger();
    QVERIFY(sheet.fired());
    QCOMPARE(w.prompts.questions,
        QStringList {"Комната 700 × 500 см не помещается на лист A4 в масштабе 1:25; на нём "
                     "наибольший масштаб 1:50; в масштабе 1:25 нужен лист A3. Уместить её на "
                     "лист?"});
    QCOMPARE(file.fired(), agree);
    QCOMPARE(QFile::exists(out), agree);
    if (agree) {
        const QString text = toolOutput("pdftotext", {out, "-"});
        QVERIFY2(text.contains("Масштаб 1:50"), qPrintable(text));
    }
}

void TestDrawingCommands::aFailedWriteIsToldAsAFailedSave()
{
    Window w;
    const QString folder = w.dir.filePath("папка.pdf");
    QVERIFY(QDir().mkdir(folder));
    const QString kept = w.dir.filePath("старый.png");
    QVERIFY(put(kept, "old"));

    QVERIFY(!writeSheetFile(w.window.editor(), w.prompts, SheetFormat::Pdf, folder, {}));
    QCOMPARE(w.prompts.messages, QStringList {saveFailureMessage(folder, "это папка")});
    QVERIFY(QFileInfo(folder).isDir());

    // A picture too big for the paper at its scale keeps the old file.
    SheetRequest tooBig;
    tooBig.options.scale = 10;
    QVERIFY(!writeSheetFile(w.window.editor(), w.prompts, SheetFormat::Png, kept, tooBig));
    QCOMPARE(w.prompts.messages.size(), 2);
    QCOMPARE(contentOf(kept), QByteArray("old"));
}

QTEST_MAIN(TestDrawingCommands)
#include "test_drawingcommands.moc"
