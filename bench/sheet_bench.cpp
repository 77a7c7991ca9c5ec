// The room's sheet as a PDF file (with its schedule of pieces and their
// distances to the walls), the whole way (draw, write, sync, rename), and
// drawn into memory only, and the room as a DXF file, for the 100-object start room and the full
// 32,767-object room that plandex_bench builds. Prints milliseconds, the median of several runs,
// against the goals. Runs offscreen with HOME and the XDG folders in a temporary folder.

#include "model/objecttable.h"
#include "sheet/sheetexport.h"
#include "support/privatefolders.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace plandex;

namespace {

// The rooms of plandex_bench: 8 x 8 cm objects, 1 cm apart, in rows of
// ceil(sqrt(n)), in a room no smaller than the start plan, with a free
// strip of 170 cm on the right.
QSize fillGrid(ObjectTable &table, int count)
{
    const int cols = std::max(1, int(std::ceil(std::sqrt(double(count)))));
    const int rows = (count + cols - 1) / cols;
    for (int i = 0; i < count; ++i) {
        const int left = 1 + (i % cols) * 9, top = 1 + (i / cols) * 9;
        table.append(QStringLiteral("Объект %1").arg(i + 1),
            QStringLiteral("%1|%2").arg(left).arg(left + 7),
            QStringLiteral("%1|%2").arg(top).arg(top + 7));
    }
    return {std::max(553, cols * 9 + 170), std::max(361, rows * 9 + 2)};
}

// The first run warms the fonts up and is not counted.
double medianMs(int runs, const std::function<void()> &op)
{
    std::vector<double> ms;
    for (int i = 0; i <= runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        op();
        const auto end = std::chrono::steady_clock::now();
        if (i > 0)
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::nth_element(ms.begin(), ms.begin() + runs / 2, ms.end());
    return ms[size_t(runs / 2)];
}

// What a damaged file can hold: every object over the whole of the
// largest room, each with a long name of its own.
QSize fillPile(ObjectTable &table, int count)
{
    for (int i = 0; i < count; ++i)
        table.append(QString(200, u'ж') + QString::number(i), QStringLiteral("0|4096"),
            QStringLiteral("0|4096"));
    return {4096, 4096};
}

struct Row {
    const char *name;
    QSize (*fill)(ObjectTable &, int);
    int objects;
    int runs;
    double limitMs;
    double dxfLimitMs;
};

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    usePrivateFolders(home.path());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const Row rows[] = {
        {"empty start room (baseline)", fillGrid, 0, 21, 0, 0},
        {"100-object start room", fillGrid, 100, 21, 50, 50},
        {"32,767-object room", fillGrid, ObjectTable::maxRows, 3, 3000, 1000},
        {"32,767 objects lying over one another", fillPile, ObjectTable::maxRows, 3, 3000, 1000},
    };
    std::printf("Sheet as PDF, fitted to A4, and DXF, milliseconds (median)\n\n");
    std::printf("  %-38s %9s %9s %9s %9s %6s %9s\n", "room", "size", "to file", "in memory",
        "bytes", "pages", "DXF");
    for (const Row &row : rows) {
        ObjectTable table;
        const QSize room = row.fill(table, row.objects);
        if (table.count() != row.objects)
            return 1;
        const QString path = home.filePath("sheet.pdf");
        const double median = medianMs(row.runs, [&] {
            const QString reason = writeSheetPdf(path, table, room, {});
            if (!reason.isEmpty()) {
                std::fprintf(stderr, "sheet_bench: %s\n", qPrintable(reason));
                std::exit(1);
            }
        });
        // The same sheet drawn into memory: what is left is the disk's.
        const double drawn = medianMs(row.runs, [&] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setPageLayout(sheetPageLayout(QPageSize(QPageSize::A4), room));
            if (!paintSheet(writer, writer.resolution(), table, room, {}))
                std::exit(1);
        });
        const QString dxfPath = home.filePath("room.dxf");
        const double dxf = medianMs(row.runs, [&] {
            if (!writeSheetDxf(dxfPath, table, room).isEmpty())
                std::exit(1);
        });
        SheetRequest request;
        const int pages = prepareRequest(table, room, request).pages;
        std::printf("  %-38s %4dx%-4d %9.2f %9.2f %9lld %6d %9.2f", row.name, room.width(),
            room.height(), median, drawn, static_cast<long long>(QFileInfo(path).size()), pages,
            dxf);
        if (row.limitMs > 0)
            std::printf("  PDF under %.0f ms: %s, DXF under %.0f ms: %s", row.limitMs,
                median < row.limitMs ? "PASS" : "OVER", row.dxfLimitMs,
                dxf < row.dxfLimitMs ? "PASS" : "OVER");
        std::printf("\n");
    }
    return 0;
}
