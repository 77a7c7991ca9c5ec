#include "files/komfile.h"
#include "model/numberreading.h"

#include <QTest>

using namespace plandex;

Q_DECLARE_METATYPE(plandex::KomRoom)
Q_DECLARE_METATYPE(plandex::KomProblem)

namespace {

using Objects = std::vector<KomRoom::Object>;

// File bytes with the record marks 0x01, 0x02, 0x03 spelt {1}, {2}, {3}.
QByteArray k(const char *text)
{
    return QByteArray(text).replace("{1}", "\x01").replace("{2}", "\x02").replace("{3}", "\x03");
}

QByteArray cp1251(const char *utf8)
{
    // The Cyrillic names of the tests, spelled out byte by byte.
    const QString s = QString::fromUtf8(utf8);
    QByteArray out;
    for (const QChar c : s) {
        const ushort u = c.unicode();
        out += u >= 0x410 && u <= 0x44F ? char(0xC0 + (u - 0x410)) : char(u);
    }
    return out;
}

const QByteArray exampleBytes = QByteArray::fromHex("6B6F6D66696C653A20"
                                                    "353533"
                                                    "7C"
                                                    "333631"
                                                    "01"
                                                    "C4E8E2E0ED"
                                                    "02"
                                                    "2034307C323030"
                                                    "03"
                                                    "2032307C313030"
                                                    "01"
                                                    "D1F2EEEB"
                                                    "02"
                                                    "3330307C333830"
                                                    "03"
                                                    "3135307C323330"
                                                    "01"
                                                    "0D0A");
const QByteArray emptyBytes = k("komfile: 553|361{1}\r\n");

// n objects named "o1", "o2", ...
QByteArray manyObjects(int n)
{
    QByteArray b = "komfile: 700|500";
    for (int i = 1; i <= n; ++i)
        b += k("{1}o") + QByteArray::number(i) + k("{2}1|2{3}3|4");
    return b + k("{1}\r\n");
}

// A name holding every byte that is not a record mark.
QByteArray everyByte()
{
    QByteArray name;
    name += '\0';
    for (int b = 4; b < 256; ++b) {
        if (b != 0x98)
            name += char(b);
    }
    return k("komfile: 5|5{1}") + name + k("{2}1|2{3}3|4{1}\r\n");
}

} // namespace

class TestKomFile : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void write_data();
    void write();
};

void TestKomFile::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<KomProblem>("problem");
    QTest::addColumn<KomRoom>("room");
    // Whether the writer gives the same bytes back.
    QTest::addColumn<bool>("same");

    const KomProblem ok = KomProblem::None;
    const KomRoom none;
    QTest::newRow("62-byte example")
        << exampleBytes << ok
        << KomRoom {553, 361,
               Objects {{"Диван", "40|200", "20|100"}, {"Стол", "300|380", "150|230"}}}
        << false;
    QTest::newRow("19-byte empty room") << emptyBytes << ok << KomRoom {553, 361, {}} << true;
    QTest::newRow("no line end") << k("komfile: 553|361{1}") << ok << KomRoom {553, 361, {}}
                                 << false;
    QTest::newRow("extra CR and LF at the end")
        << k("komfile: 553|361{1}\r\n\n\r\r\n") << ok << KomRoom {553, 361, {}} << false;
    QTest::newRow("trailing blank damages")
        << k("komfile: 553|361{1} \r\n") << KomProblem::MissingNameEnd << none << false;
    QTest::newRow("trailing tab damages") << k("komfile: 553|361{1}a{2}1|2{3}3|4{1}\t")
                                          << KomProblem::MissingNameEnd << none << false;
    QTest::newRow("capital K") << k("Komfile: 553|361{1}\r\n") << KomProblem::NotARoomFile << none
                               << false;
    QTest::newRow("no blank after the colon")
        << k("komfile:553|361{1}\r\n") << KomProblem::NotARoomFile << none << false;
    QTest::newRow("empty file") << QByteArray() << KomProblem::NotARoomFile << none << false;
    QTest::newRow("line ends only")
        << QByteArray("\r\n") << KomProblem::NotARoomFile << none << false;
    QTest::newRow("header only") << QByteArray("komfile: ") << KomProblem::BadWidth << none
                                 << false;
    QTest::newRow("1000|800") << k("komfile: 1000|800{1}\r\n") << ok << KomRoom {1000, 800, {}}
                              << true;
    QTest::newRow("smallest 1|1") << k("komfile: 1|1{1}\r\n") << ok << KomRoom {1, 1, {}} << true;
    QTest::newRow("largest 4096|4096")
        << k("komfile: 4096|4096{1}\r\n") << ok << KomRoom {4096, 4096, {}} << true;
    QTest::newRow("blanks in a size are read over")
        << k("komfile:  5 53|3 61 {1}") << ok << KomRoom {553, 361, {}} << false;
    QTest::newRow("width 0") << k("komfile: 0|361{1}") << KomProblem::BadWidth << none << false;
    QTest::newRow("width 4097") << k("komfile: 4097|361{1}") << KomProblem::BadWidth << none
                                << false;
    QTest::newRow("width not whole")
        << k("komfile: 55.5|361{1}") << KomProblem::BadWidth << none << false;
    QTest::newRow("width negative")
        << k("komfile: -553|361{1}") << KomProblem::BadWidth << none << false;
    QTest::newRow("width huge") << k("komfile: 1e400|361{1}") << KomProblem::BadWidth << none
                                << false;
    QTest::newRow("no size bar") << k("komfile: 553{1}") << KomProblem::BadWidth << none << false;
    QTest::newRow("height 0") << k("komfile: 553|0{1}") << KomProblem::BadHeight << none << false;
    QTest::newRow("height 4097") << k("komfile: 553|4097{1}") << KomProblem::BadHeight << none
                                 << false;
    QTest::newRow("no end mark after the size")
        << QByteArray("komfile: 553|361\r\n") << KomProblem::BadHeight << none << false;
    QTest::newRow("letters in a pair")
        << k("komfile: 553|361{1}a{2} abc {3}xyz{1}") << ok
        << KomRoom {553, 361, Objects {{"a", "abc", "xyz"}}} << false;
    QTest::newRow("names keep their blanks, pairs lose theirs")
        << k("komfile: 553|361{1}  ") + cp1251("Стул") + k(" {2}  1 | 2 {3} 3|4  {1}") << ok
        << KomRoom {553, 361, Objects {{"  Стул ", "1 | 2", "3|4"}}} << false;
    QTest::newRow("empty name") << k("komfile: 553|361{1}{2}1|2{3}3|4{1}\r\n") << ok
                                << KomRoom {553, 361, Objects {{"", "1|2", "3|4"}}} << true;
    QTest::newRow("last object lacks its end mark")
        << k("komfile: 553|361{1}a{2}1|2{3}3|4\r\n") << KomProblem::MissingRecordEnd << none
        << false;
    QTest::newRow("record without a pair end")
        << k("komfile: 553|361{1}a{2}1|2") << KomProblem::MissingPairEnd << none << false;
    QTest::newRow("record mark inside the width")
        << k("komfile: 553{1}a{2}1|2{3}3|4{1}") << KomProblem::StrayMark << none << false;
    QTest::newRow("record mark inside a name")
        << k("komfile: 553|361{1}a{3}b{2}1|2{3}3|4{1}") << KomProblem::StrayMark << none << false;
    QTest::newRow("name end inside a pair")
        << k("komfile: 553|361{1}a{2}1|2{2}{3}3|4{1}") << KomProblem::StrayMark << none << false;
    QTest::newRow("32767 objects") << manyObjects(32767) << ok << KomRoom {} << true;
    QTest::newRow("32768 objects")
        << manyObjects(32768) << KomProblem::TooManyObjects << none << false;
    QTest::newRow("every byte but the marks and 0x98 in a name")
        << everyByte() << ok << KomRoom {} << true;
    QTest::newRow("0x98, undefined in the code page")
        << k("komfile: 5|5{1}a\x98{2}1|2{3}3|4{1}") << KomProblem::UnmappableByte << none << false;
}

void TestKomFile::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(KomProblem, problem);
    QFETCH(KomRoom, room);

    const KomReadResult result = readKom(bytes);
    QCOMPARE(result.error.problem, problem);
    if (problem != KomProblem::None) {
        QVERIFY(result.error.offset >= 0 && result.error.offset <= bytes.size());
        QVERIFY(!result.error.describe().isEmpty());
        return;
    }
    if (room.width > 0)
        QCOMPARE(result.room, room);
    // Whatever reads, writes and reads back the same; a file in the form
    // the writer gives comes out byte for byte.
    const KomWriteResult written = writeKom(result.room);
    QVERIFY2(!written.error, qPrintable(written.error.describe()));
    QCOMPARE(readKom(written.bytes).room, result.room);
    QFETCH(bool, same);
    if (same)
        QCOMPARE(written.bytes, bytes);
    // Letters in a pair read as 0.
    for (const KomRoom::Object &o : result.room.objects) {
        if (o.x == "abc")
            QCOMPARE(readPair(o.x), (PairValues {0, 0}));
    }
    if (QByteArray(QTest::currentDataTag()).startsWith("32767"))
        QCOMPARE(int(result.room.objects.size()), 32767);
}

void TestKomFile::write_data()
{
    QTest::addColumn<KomRoom>("room");
    QTest::addColumn<KomProblem>("problem");
    QTest::addColumn<int>("object");
    QTest::addColumn<QByteArray>("bytes");

    const KomProblem ok = KomProblem::None;
    QTest::newRow("62-byte example") << KomRoom {553, 361,
        Objects {{"Диван", " 40|200", " 20|100"}, {"Стол", "300|380", "150|230"}}}
                                     << ok << -1 << exampleBytes;
    QTest::newRow("19-byte empty room") << KomRoom {553, 361, {}} << ok << -1 << emptyBytes;
    QTest::newRow("blanks of a name are kept")
        << KomRoom {50, 60, Objects {{" a b ", " 1| 2", "3|4"}}} << ok << -1
        << k("komfile: 50|60{1} a b {2} 1| 2{3}3|4{1}\r\n");
    for (const char mark : {'\x01', '\x02', '\x03'}) {
        QTest::addRow("name with mark %d", int(mark))
            << KomRoom {553, 361,
                   Objects {{"ok", "1|2", "3|4"}, {QString("a") + QChar(mark), "1|2", "3|4"}}}
            << KomProblem::UnwritableName << 1 << QByteArray();
    }
    QTest::newRow("name outside the code page")
        << KomRoom {553, 361, Objects {{"стол", "1|2", "3|4"}, {"桌子", "1|2", "3|4"}}}
        << KomProblem::UnwritableName << 1 << QByteArray();
    QTest::newRow("name with a character beyond 16 bits")
        << KomRoom {553, 361, Objects {{"a😀", "1|2", "3|4"}}} << KomProblem::UnwritableName << 0
        << QByteArray();
    QTest::newRow("pair with a mark") << KomRoom {553, 361, Objects {{"a", "1|2", "3\x01|4"}}}
                                      << KomProblem::UnwritablePair << 0 << QByteArray();
}

void TestKomFile::write()
{
    QFETCH(KomRoom, room);
    QFETCH(KomProblem, problem);
    QFETCH(int, object);
    QFETCH(QByteArray, bytes);

    const KomWriteResult result = writeKom(room);
    QCOMPARE(result.error.problem, problem);
    QCOMPARE(result.error.object, object);
    if (problem != KomProblem::None) {
        QVERIFY(result.bytes.isEmpty());
        QVERIFY(result.error.describe().contains(QString::number(object + 1)));
        return;
    }
    QCOMPARE(result.bytes, bytes);
    QVERIFY(result.bytes.endsWith("\r\n"));
    QCOMPARE(result.text.size(), result.bytes.size() - 2);
}

QTEST_GUILESS_MAIN(TestKomFile)
#include "test_komfile.moc"
