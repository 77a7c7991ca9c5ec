#include "export/exportarguments.h"

#include <QCoreApplication>

namespace plandex {

namespace {

// The context its texts are translated in.
struct ExportArgumentTexts {
    Q_DECLARE_TR_FUNCTIONS(ExportArgumentTexts)
};

// A whole number from 1 to most, or 0.
int wholeNumber(const QString &value, int most)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    return ok && n >= 1 && n <= most && !value.startsWith('+') ? n : 0;
}

// Reads one option's value into the request; the reason when refused.
QString takeOption(const QString &name, const QString &value, ExportArguments &args)
{
    SheetRequest &r = args.request;
    if (name == "--scale") {
        if (value == "fit") {
            r.options.scale = 0;
        } else if (value.startsWith("1:") && wholeNumber(value.mid(2), sheetMostScale) > 0) {
            r.options.scale = wholeNumber(value.mid(2), sheetMostScale);
        } else {
            return ExportArgumentTexts::tr(
                "масштаб должен быть fit или от 1:1 до 1:%1, например 1:50")
                .arg(sheetMostScale);
        }
    } else if (name == "--paper") {
        const QString paper = value.toLower();
        if (paper == "a4")
            r.paper = QPageSize(QPageSize::A4);
        else if (paper == "a3")
            r.paper = QPageSize(QPageSize::A3);
        else if (paper == "letter")
            r.paper = QPageSize(QPageSize::Letter);
        else
            return ExportArgumentTexts::tr("лист должен быть A4, A3 или Letter");
    } else if (name == "--dpi") {
        r.dpi = wholeNumber(value, sheetMaxDpi);
        if (r.dpi < sheetMinDpi)
            return ExportArgumentTexts::tr("разрешение должно быть от %1 до %2 точек на дюйм")
                .arg(sheetMinDpi)
                .arg(sheetMaxDpi);
    } else if (name == "--passage") {
        args.passage = wholeNumber(value, maxPassage);
        args.passageGiven = true;
        if (args.passage < minPassage)
            return ExportArgumentTexts::tr("ширина прохода должна быть от %1 до %2 см")
                .arg(minPassage)
                .arg(maxPassage);
    } else {
        return ExportArgumentTexts::tr("неизвестный параметр %1").arg(name);
    }
    return {};
}

} // namespace

ExportArguments parseExportArguments(const QStringList &arguments)
{
    ExportArguments args;
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size() && args.error.isEmpty(); ++i) {
        const QString &a = arguments[i];
        if (optionsEnded || !a.startsWith("--")) {
            files << a;
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        if (a == "--help") {
            args.help = true;
            return args;
        }
        const qsizetype equals = a.indexOf('=');
        if (equals > 0) {
            args.error = takeOption(a.left(equals), a.mid(equals + 1), args);
        } else if (i + 1 < arguments.size()) {
            args.error = takeOption(a, arguments[i + 1], args);
            ++i;
        } else {
            args.error = ExportArgumentTexts::tr("нет значения у параметра %1").arg(a);
        }
    }
    if (!args.error.isEmpty())
        return args;
    if (files.size() != 2) {
        args.error = ExportArgumentTexts::tr(
            "нужны два пути: файл комнаты и файл PDF, PNG, SVG, DXF, JSON или CSV");
        return args;
    }
    args.room = files[0];
    args.out = files[1];
    const QString out = args.out.toLower();
    if (out.endsWith(".pdf"))
        args.format = SheetFormat::Pdf;
    else if (out.endsWith(".png"))
        args.format = SheetFormat::Png;
    else if (out.endsWith(".svg"))
        args.format = SheetFormat::Svg;
    else if (out.endsWith(".dxf"))
        args.format = SheetFormat::Dxf;
    else if (out.endsWith(".json"))
        args.data = ExportArguments::Data::Json;
    else if (out.endsWith(".csv"))
        args.data = ExportArguments::Data::Csv;
    else
        args.error = ExportArgumentTexts::tr(
            "файл должен оканчиваться на .pdf, .png, .svg, .dxf, .json или .csv");
    if (args.error.isEmpty() && args.passageGiven && args.data == ExportArguments::Data::None
        && args.format == SheetFormat::Dxf)
        args.error = ExportArgumentTexts::tr("у DXF нет проходов: --passage не для него");
    // A sheet shows the walkways when asked for a width.
    args.request.options.walkways = args.passageGiven;
    args.request.options.passage = args.passage;
    return args;
}

} // namespace plandex
