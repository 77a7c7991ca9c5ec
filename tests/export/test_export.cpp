#include "support/filebytes.h"
#include "support/scratchdir.h"
#include "support/sheetchecks.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QXmlStreamReader>

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

private:
    struct Run {
        int status = -1;
        QString errors;
    };
    Run run(const QStringList &arguments,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment()) const
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(PLANDEX_EXPORT, arguments);
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
            return {};
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
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
// walls, each piece's exact corners and its name and size inside it.
void TestExport::dxfReadsBackInACadReader()
{
    const QString out = m_dir->filePath("план.dxf");
    const Run r = run({room(), out});
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
    for (const char *layer : {"Стены", "Мебель", "Подписи"})
        QVERIFY(dxf["layers"].toArray().contains(QString(layer)));
    QMultiMap<QString, QJsonArray> outlines;
    for (const QJsonValue o : dxf["outlines"].toArray()) {
        QVERIFY(o["closed"].toBool());
        outlines.insert(o["layer"].toString(), o["points"].toArray());
    }
    const auto corners = [](double l, double t, double r, double b) {
        return QJsonArray {
            QJsonArray {l, t}, QJsonArray {r, t}, QJsonArray {r, b}, QJsonArray {l, b}};
    };
    const int h = knownRoomSize.height();
    QVERIFY(outlines.values("Стены").contains(corners(0, 0, knownRoomSize.width(), h)));
    QCOMPARE(outlines.count("Мебель"), knownObjects().size());
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

QTEST_GUILESS_MAIN(TestExport)
#include "test_export.moc"
