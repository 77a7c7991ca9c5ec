#include "support/exportrun.h"
#include "support/filebytes.h"
#include "support/scratchdir.h"
#include "support/sheetchecks.h"
#include "support/tmpfsmount.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QXmlStreamReader>

#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// plandex-export as scripts run it: a room file in, a PDF or PNG out.
class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pdfAtOneToFifty();
    void worksWithoutAnyDisplay();
    void pngHasThePageSizeAtItsDpi_data();
    void pngHasThePageSizeAtItsDpi();
    void dxfReadsBackInACadReader();
    void svgHoldsTheSheetAsText();
    void refusesAndLeavesNothing_data();
    void refusesAndLeavesNothing();
    void replacesOnlyWhatItMay_data();
    void replacesOnlyWhatItMay();

private:
    using Run = ExportRun;
    Run run(const QStringList &arguments,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment()) const
    {
        return runExport(arguments, env);
    }
    // The same through the shell, with paths as bytes, which need not be
    // UTF-8 (the paths hold no quotation mark).
    Run run(const QByteArray &room, const QByteArray &out) const
    {
        const QByteArray errors = QFile::encodeName(m_dir->filePath("errors"));
        const QByteArray line = PLANDEX_EXPORT " '" + room + "' '" + out + "' 2>'" + errors + "'";
        const int status = std::system(line.constData());
        const QByteArray text = contentOf(QFile::decodeName(errors));
        QFile::remove(QFile::decodeName(errors));
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString::fromUtf8(text)};
    }
    QString room() const { return m_dir->filePath("комната.kom"); }

    std::unique_ptr<ScratchDir> m_dir;
};

void TestExport::init()
{
    m_dir = std::make_unique<ScratchDir>();
    QVERIFY(put(room(), knownRoomFile()));
}

void TestExport::pdfAtOneToFifty()
{
    const QString out = m_dir->filePath("лист.pdf");
    const Run r = run({room(), out, "--scale", "1:50"});
    QCOMPARE(r.errors, QString());
    QCOMPARE(r.status, 0);
    // The room is wider than tall: A4 turned.
    checkKnownSheet(out, {297, 210}, 50);
}

void TestExport::worksWithoutAnyDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    const QString out = m_dir->filePath("a3.pdf");
    const Run r = run({room(), out, "--paper=A3", "--scale=1:25"}, env);
    QCOMPARE(r.errors, QString());
    QCOMPARE(r.status, 0);
    checkKnownSheet(out, {420, 297}, 25);
}

void TestExport::pngHasThePageSizeAtItsDpi_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QByteArray>("roomFile");
    QTest::addColumn<QSize>("pixels");

    const QByteArray tall = "komfile: 200|400\x01\r\n";
    QTest::newRow("A4, wide room") << "A4" << 100 << knownRoomFile() << QSize(1169, 827);
    QTest::newRow("A4 at 300") << "A4" << 300 << knownRoomFile() << QSize(3508, 2480);
    QTest::newRow("A3, tall room") << "A3" << 72 << tall << QSize(842, 1191);
    QTest::newRow("Letter, wide room") << "Letter" << 150 << knownRoomFile() << QSize(1650, 1275);
}

void TestExport::pngHasThePageSizeAtItsDpi()
{
    QFETCH(QString, paper);
    QFETCH(int, dpi);
    QFETCH(QByteArray, roomFile);
    QFETCH(QSize, pixels);
    QVERIFY(put(room(), roomFile));
    const QString out = m_dir->filePath("лист.png");
    const Run r = run({room(), out, "--paper", paper, "--dpi", QString::number(dpi)});
    QCOMPARE(r.errors, QString());
    QCOMPARE(r.status, 0);
    const QImage image(out);
    QCOMPARE(image.size(), pixels);
    QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), dpi);
    // Black lines on white paper.
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    const QImage dark = image.convertToFormat(QImage::Format_Grayscale8);
    int inked = 0;
    for (int y = 0; y < dark.height(); ++y)
        for (int x = 0; x < dark.width(); ++x)
            inked += dark.constScanLine(y)[x] < 128;
    QVERIFY(inked > 1000);
}

// Read back by ezdxf, a reader of its own: centimetres, the y axis up, the
// walls, each piece's exact corners and its name and size inside it, and a
// door as the gap through the wall's band, not as a piece.
void TestExport::dxfReadsBackInACadReader()
{
    const QString withDoor = m_dir->filePath("с дверью.kom");
    QVERIFY(put(withDoor,
        knownRoomFile().chopped(3)
            + QByteArray(
                QStringEncoder("windows-1251")(u"\x01¤Дверь 80, низ, петли слева, внутрь\x02"
                                               "85|165\x03"
                                               "119|199\x01\r\n"))));
    const QString out = m_dir->filePath("план.dxf");
    const Run r = run({withDoor, out});
    QCOMPARE(r.errors, QString());
    QCOMPARE(r.status, 0);
    const char *script = R"py(
import ezdxf, json, sys
doc = ezdxf.readfile(sys.argv[1])
out = {"units": doc.header.get("$INSUNITS"), "layers": [l.dxf.name for l in doc.layers],
       "outlines": [], "texts": []}
for e in doc.modelspace():
    if e.dxftype() == "POLYLINE":
        out["outlines"].append({"layer": e.dxf.layer, "closed": e.is_closed,
                                "points": [[p[0], p[1]] for p in e.points()]})
    elif e.dxftype() == "TEXT":
        out["texts"].append({"layer": e.dxf.layer, "text": e.dxf.text,
                             "at": [e.dxf.align_point[0], e.dxf.align_point[1]]})
print(json.dumps(out))
)py";
    const QJsonObject dxf
        = QJsonDocument::fromJson(toolOutput("/usr/bin/python3", {"-c", script, out}).toUtf8())
              .object();
    QCOMPARE(dxf["units"].toInt(), 5);
    for (const char *layer : {"Стены", "Мебель", "Подписи", "Проёмы"})
        QVERIFY(dxf["layers"].toArray().contains(QString(layer)));
    QMultiMap<QString, QJsonArray> outlines;
    for (const QJsonValue o : dxf["outlines"].toArray()) {
        // A door's leaf and swing are open lines; every outline is closed.
        if (o["closed"].toBool())
            outlines.insert(o["layer"].toString(), o["points"].toArray());
        else
            QCOMPARE(o["layer"].toString(), QString("Проёмы"));
    }
    const auto corners = [](double l, double t, double r, double b) {
        return QJsonArray {
            QJsonArray {l, t}, QJsonArray {r, t}, QJsonArray {r, b}, QJsonArray {l, b}};
    };
    const int h = knownRoomSize.height();
    QVERIFY(outlines.values("Стены").contains(corners(0, 0, knownRoomSize.width(), h)));
    QCOMPARE(outlines.count("Мебель"), knownObjects().size());
    QCOMPARE(outlines.values("Проёмы"), QList<QJsonArray> {corners(85, 0, 165, -12)});
    const QJsonArray texts = dxf["texts"].toArray();
    for (const KnownObject &o : knownObjects()) {
        QVERIFY(
            outlines.values("Мебель").contains(corners(o.left, h - o.bottom, o.right, h - o.top)));
        // The code page of DXF texts has no "×".
        for (const QString &text : {o.name, o.size().replace(u'×', u'x')}) {
            const auto inside = [&](const QJsonValue &t) {
                const QPointF at(t["at"][0].toDouble(), h - t["at"][1].toDouble());
                return t["layer"] == "Подписи" && t["text"] == text
                    && QRectF(QPointF(o.left, o.top), QPointF(o.right, o.bottom)).contains(at);
            };
            QVERIFY2(std::any_of(texts.begin(), texts.end(), inside), qPrintable(text));
        }
    }
}

// The same sheet as SVG: the paper's size, and the names and sizes as text.
void TestExport::svgHoldsTheSheetAsText()
{
    const QString out = m_dir->filePath("лист.svg");
    const Run r = run({room(), out, "--scale", "1:50"});
    QCOMPARE(r.errors, QString());
    QCOMPARE(r.status, 0);
    QXmlStreamReader svg(contentOf(out));
    QStringList texts;
    QString width, height;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (svg.name() == u"svg") {
            width = svg.attributes().value("width").toString();
            height = svg.attributes().value("height").toString();
        }
        if (svg.name() == u"text")
            texts << svg.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    }
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QVERIFY2(
        width.endsWith("mm") && qAbs(width.chopped(2).toDouble() - 297) < 0.1, qPrintable(width));
    QVERIFY2(height.endsWith("mm") && qAbs(height.chopped(2).toDouble() - 210) < 0.1,
        qPrintable(height));
    for (const KnownObject &o : knownObjects()) {
        QVERIFY2(texts.contains(o.name), qPrintable(texts.join('|')));
        QVERIFY2(texts.contains(o.size()), qPrintable(texts.join('|')));
    }
    // Text is written run by run of one script.
    QVERIFY2(std::any_of(texts.begin(), texts.end(),
                 [](const QString &t) { return t.startsWith("Масштаб 1:50"); }),
        qPrintable(texts.join('|')));
}

void TestExport::refusesAndLeavesNothing_data()
{
    QTest::addColumn<QByteArray>("roomFile");
    QTest::addColumn<QStringList>("arguments"); // ROOM and DIR stand for the room and the folder

    const QByteArray good = knownRoomFile();
    const QStringList toPdf {"ROOM", "DIR/out.pdf"};
    QTest::newRow("not a room file") << QByteArray("kommfile: 300|200\x01") << toPdf;
    QTest::newRow("record cut short") << good.left(good.size() - 12) << toPdf;
    QTest::newRow("room side too long") << QByteArray("komfile: 4097|200\x01") << toPdf;
    QTest::newRow("no room file") << QByteArray() << QStringList {"DIR/none.kom", "DIR/out.pdf"};
    QTest::newRow("room file is a folder") << good << QStringList {"DIR", "DIR/out.pdf"};
    QTest::newRow("no such folder for out") << good << QStringList {"ROOM", "DIR/no/out.pdf"};
    QTest::newRow("out is a folder") << good << QStringList {"ROOM", "DIR/folder.pdf"};
    QTest::newRow("too big at the scale")
        << QByteArray("komfile: 700|500\x01") << toPdf + QStringList {"--scale", "1:25"};
    QTest::newRow("png too big at the scale")
        << good << QStringList {"ROOM", "DIR/out.png", "--scale", "1:10"};
    QTest::newRow("scale of nothing") << good << toPdf + QStringList {"--scale", "1:0"};
    QTest::newRow("scale not 1:N") << good << toPdf + QStringList {"--scale", "2:50"};
    QTest::newRow("scale past 1:500") << good << toPdf + QStringList {"--scale", "1:501"};
    QTest::newRow("dxf of no room file")
        << QByteArray("kommfile: 300|200\x01") << QStringList {"ROOM", "DIR/out.dxf"};
    QTest::newRow("svg too big at the scale")
        << good << QStringList {"ROOM", "DIR/out.svg", "--scale", "1:10"};
    QTest::newRow("unknown paper") << good << toPdf + QStringList {"--paper", "B5"};
    QTest::newRow("dpi too low") << good << QStringList {"ROOM", "DIR/out.png", "--dpi", "10"};
    QTest::newRow("dpi not a number") << good << QStringList {"ROOM", "DIR/out.png", "--dpi=x"};
    QTest::newRow("option without value") << good << toPdf + QStringList {"--paper"};
    QTest::newRow("unknown option") << good << toPdf + QStringList {"--colour", "red"};
    QTest::newRow("one path") << good << QStringList {"ROOM"};
    QTest::newRow("three paths") << good << toPdf + QStringList {"DIR/more.pdf"};
    QTest::newRow("neither pdf nor png") << good << QStringList {"ROOM", "DIR/out.bmp"};
    const QStringList toJson {"ROOM", "DIR/out.json"};
    QTest::newRow("passage too narrow") << good << toJson + QStringList {"--passage", "29"};
    QTest::newRow("passage too wide") << good << toJson + QStringList {"--passage=151"};
    QTest::newRow("passage not a number") << good << toJson + QStringList {"--passage", "6O"};
    QTest::newRow("json of no room file")
        << QByteArray("kommfile: 300|200\x01") << QStringList {"ROOM", "DIR/out.json"};
}

void TestExport::refusesAndLeavesNothing()
{
    QFETCH(QByteArray, roomFile);
    QFETCH(QStringList, arguments);
    QVERIFY(put(room(), roomFile));
    QVERIFY(QDir(m_dir->path()).mkdir("folder.pdf"));
    for (QString &a : arguments)
        a = a == "ROOM" ? room() : a.replace("DIR", m_dir->path());
    const QStringList before
        = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    const Run r = run(arguments);
    QVERIFY2(r.status > 0, qPrintable(r.errors));
    QVERIFY2(r.errors.startsWith("plandex-export: ") && r.errors.count('\n') == 1
            && r.errors.endsWith('\n'),
        qPrintable(r.errors));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        before);
}

namespace {

QByteArray bytesAt(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK);
    QByteArray bytes(1 << 20, '\0');
    bytes.truncate(fd < 0 ? 0 : qMax<qsizetype>(0, ::read(fd, bytes.data(), bytes.size())));
    if (fd >= 0)
        ::close(fd);
    return bytes;
}

} // namespace

void TestExport::replacesOnlyWhatItMay_data()
{
    // What stands where the sheet goes, and why the run refuses (empty:
    // the sheet is written).
    QTest::addColumn<QString>("there");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a disk too full keeps the old sheet") << "full disk"
                                                         << "на диске нет места";
    QTest::newRow("a fifo") << "fifo"
                            << "это не обычный файл";
    QTest::newRow("another user's link in a sticky folder")
        << "foreign link"
        << "ссылка в общей папке принадлежит другому пользователю";
    QTest::newRow("the user's own link there") << "own link"
                                               << "";
    const QString room = "это сам файл комнаты";
    QTest::newRow("the room file, named .pdf") << "room" << room;
    QTest::newRow("a hard link to the room") << "hard link" << room;
    QTest::newRow("a symbolic link to the room") << "link to room" << room;
    QTest::newRow("names that are not UTF-8") << "not UTF-8"
                                              << "";
}

// Only a regular file is replaced, through links only as the kernel would
// follow them, never the room, and only once every byte is on the disk.
void TestExport::replacesOnlyWhatItMay()
{
    QFETCH(QString, there);
    QFETCH(QString, reason);
    const QByteArray dir = QFile::encodeName(m_dir->path());
    QByteArray roomPath = QFile::encodeName(room());
    QByteArray roomBytes = knownRoomFile();
    QByteArray out = dir + "/sheet.pdf";
    // What the sheet's path leads to, and what it held.
    QByteArray target = dir + "/old.pdf";
    QVERIFY(put(QFile::decodeName(target), "old"));
    std::unique_ptr<TmpfsMount> mount;
    if (there == "full disk") {
        // A page for the old sheet and two for the new. The sheet of a
        // thousand objects is larger, and written in pieces that the disk
        // takes only in part.
        mount = std::make_unique<TmpfsMount>(m_dir->filePath("disk"), "size=12k");
        if (!mount->mounted)
            QSKIP("mounting a tmpfs needs root with CAP_SYS_ADMIN");
        roomBytes = "komfile: 4000|4000";
        for (int i = 0; i < 1000; ++i)
            roomBytes += QString("\x01o\x02%1|%2\x03%3|%4")
                             .arg(i % 60 * 60)
                             .arg(i % 60 * 60 + 50)
                             .arg(i / 60 * 60)
                             .arg(i / 60 * 60 + 50)
                             .toLatin1();
        roomBytes += "\x01\r\n";
        QVERIFY(put(room(), roomBytes));
        out = target = dir + "/disk/sheet.pdf";
        QVERIFY(put(QFile::decodeName(out), "old"));
    } else if (there == "fifo") {
        QCOMPARE(::mkfifo(out.constData(), 0600), 0);
        target = out;
    } else if (there == "own link" || there == "foreign link") {
        QCOMPARE(::mkdir(dir + "/shared", 0777), 0);
        QCOMPARE(::chmod(dir + "/shared", 01777), 0);
        out = dir + "/shared/sheet.pdf";
        QCOMPARE(::symlink(target.constData(), out.constData()), 0);
        if (there == "foreign link" && ::lchown(out.constData(), 12345, 12345) != 0)
            QSKIP("giving a link to another user needs root");
    } else if (there == "room") {
        out = roomPath = dir + "/room.pdf";
        QVERIFY(put(QFile::decodeName(out), knownRoomFile()));
    } else if (there == "hard link") {
        QCOMPARE(::link(roomPath.constData(), out.constData()), 0);
    } else if (there == "link to room") {
        QCOMPARE(::symlink(roomPath.constData(), out.constData()), 0);
    } else if (there == "not UTF-8") {
        const QByteArray renamed = dir + "/room\xe9.kom";
        QCOMPARE(::rename(roomPath.constData(), renamed.constData()), 0);
        roomPath = renamed;
        out = target = dir + "/sheet\xe9.pdf";
    }
    const QByteArray before = bytesAt(target);
    const QByteArray folder = out.left(out.lastIndexOf('/'));
    const QStringList entries
        = QDir(QFile::decodeName(folder)).entryList(QDir::AllEntries | QDir::Hidden);

    const Run r = run(roomPath, out);
    if (reason.isEmpty()) {
        QCOMPARE(r.errors, QString());
        QCOMPARE(r.status, 0);
        QVERIFY(bytesAt(target).startsWith("%PDF"));
    } else {
        QCOMPARE(r.status, 1);
        QVERIFY2(r.errors.endsWith(": " + reason + "\n"), qPrintable(r.errors));
        QCOMPARE(bytesAt(target), before);
        // No temporary file left beside it.
        QCOMPARE(
            QDir(QFile::decodeName(folder)).entryList(QDir::AllEntries | QDir::Hidden), entries);
    }
    QCOMPARE(bytesAt(roomPath), roomBytes);
    struct stat st;
    QCOMPARE(::lstat(out.constData(), &st), 0);
    QCOMPARE(S_ISFIFO(st.st_mode), there == "fifo");
    QCOMPARE(S_ISLNK(st.st_mode), there.contains("link") && there != "hard link");
}

QTEST_GUILESS_MAIN(TestExport)
#include "test_export.moc"
