#include "files/komfile.h"
#include "model/codepage.h"

#include <QTest>

using namespace plandex;

Q_DECLARE_METATYPE(plandex::KomRoom)
Q_DECLARE_METATYPE(plandex::KomProblem)

namespace {

using Objects = std::vector<KomRoom::Object>;
using P = KomProblem;

// File bytes with the record marks 0x01, 0x02, 0x03 spelt {1}, {2}, {3}.
QByteArray k(const QString &text)
{
    return toCodePage(text).replace("{1}", "\x01").replace("{2}", "\x02").replace("{3}", "\x03");
}

const QByteArray example
    = QByteArray::fromHex("6B6F6D66696C653A20 353533 7C 333631 01 C4E8E2E0ED 02"
                          "2034307C323030 03 2032307C313030 01 D1F2EEEB 02"
                          "3330307C333830 03 3135307C323330 01 0D0A");
const KomRoom exampleRoom {
    553, 361, Objects {{"Диван", " 40|200", " 20|100"}, {"Стол", "300|380", "150|230"}}};

QByteArray objects(int n)
{
    QByteArray b = "komfile: 700|500";
    for (int i = 0; i < n; ++i)
        b += k("{1}o{2}1|2{3}3|4");
    return b + k("{1}");
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
    QTest::addColumn<KomRoom>("room"); // width 0: not compared
    QTest::addColumn<bool>("same"); // the writer gives the same bytes back

    const KomRoom x;
    QByteArray everyByte("\0", 1);
    for (int b = 4; b < 256; ++b) {
        if (b != 0x98)
            everyByte += char(b);
    }

    QTest::newRow("62-byte example")
        << example << P::None
        << KomRoom {553, 361,
               Objects {{"Диван", "40|200", "20|100"}, {"Стол", "300|380", "150|230"}}}
        << false;
    QTest::newRow("19-byte empty")
        << k("komfile: 553|361{1}\r\n") << P::None << KomRoom {553, 361, {}} << true;
    QTest::newRow("extra CR LF") << k("komfile: 553|361{1}\r\n\n\r") << P::None
                                 << KomRoom {553, 361, {}} << false;
    QTest::newRow("trailing blank")
        << k("komfile: 553|361{1} \r\n") << P::MissingNameEnd << x << false;
    QTest::newRow("trailing tab") << k("komfile: 5|5{1}a{2}1|2{3}3|4{1}\t") << P::MissingNameEnd
                                  << x << false;
    QTest::newRow("capital K") << k("Komfile: 553|361{1}") << P::NotARoomFile << x << false;
    QTest::newRow("no blank after colon")
        << k("komfile:553|361{1}") << P::NotARoomFile << x << false;
    QTest::newRow("empty file") << QByteArray() << P::NotARoomFile << x << false;
    QTest::newRow("1000|800") << k("komfile: 1000|800{1}\r\n") << P::None << KomRoom {1000, 800, {}}
                              << true;
    QTest::newRow("4096|1") << k("komfile: 4096|1{1}\r\n") << P::None << KomRoom {4096, 1, {}}
                            << true;
    QTest::newRow("width 0") << k("komfile: 0|361{1}") << P::BadWidth << x << false;
    QTest::newRow("width 4097") << k("komfile: 4097|361{1}") << P::BadWidth << x << false;
    QTest::newRow("width 55.5") << k("komfile: 55.5|361{1}") << P::BadWidth << x << false;
    QTest::newRow("header only") << k("komfile: ") << P::BadWidth << x << false;
    QTest::newRow("height 4097") << k("komfile: 553|4097{1}") << P::BadHeight << x << false;
    QTest::newRow("letters in a pair, blanks in a name")
        << k("komfile: 553|361{1}  Стул {2} abc {3}x y{1}\r\n") << P::None
        << KomRoom {553, 361, Objects {{"  Стул ", "abc", "x y"}}} << false;
    QTest::newRow("last object unclosed")
        << k("komfile: 553|361{1}a{2}1|2{3}3|4\r\n") << P::MissingRecordEnd << x << false;
    QTest::newRow("no pair end") << k("komfile: 553|361{1}a{2}1|2") << P::MissingPairEnd << x
                                 << false;
    QTest::newRow("mark in a name")
        << k("komfile: 553|361{1}a{3}b{2}1|2{3}3|4{1}") << P::StrayMark << x << false;
    QTest::newRow("mark in the width")
        << k("komfile: 5{1}a{2}1|2{3}3|4{1}") << P::StrayMark << x << false;
    QTest::newRow("32767 objects") << objects(32767) << P::None << x << false;
    QTest::newRow("32768 objects") << objects(32768) << P::TooManyObjects << x << false;
    QTest::newRow("every byte but the marks and 0x98")
        << k("komfile: 5|5{1}") + everyByte + k("{2}1|2{3}3|4{1}\r\n") << P::None << x << true;
    QTest::newRow("0x98, undefined in the code page")
        << k("komfile: 5|5{1}a") + "\x98" + k("{2}1|2{3}3|4{1}") << P::UnmappableByte << x << false;
    const QString longest(komMaxNameLength, u'Ж'), pair(komMaxPairLength, u'7');
    QTest::newRow("name of 1,000 characters")
        << k("komfile: 5|5{1}" + longest + "{2}1|2{3}3|4{1}\r\n") << P::None << x << true;
    QTest::newRow("name of 1,001 characters")
        << k("komfile: 5|5{1}Ж" + longest + "{2}1|2{3}3|4{1}") << P::LongName << x << false;
    QTest::newRow("pair of 64 characters")
        << k("komfile: 5|5{1}a{2}" + pair + "{3}3|4{1}\r\n") << P::None << x << true;
    QTest::newRow("pair of 64 characters between blanks")
        << k("komfile: 5|5{1}a{2}1|2{3}    " + pair + "    {1}") << P::None << x << false;
    QTest::newRow("x pair of 65 characters")
        << k("komfile: 5|5{1}a{2}7" + pair + "{3}3|4{1}") << P::LongPair << x << false;
    QTest::newRow("references") << k(
        "komfile: 5|5{1}&#321;&#243;&#380;ko &#38;#1; &#1078; &#38;{2}1|2{3}3|4{1}\r\n")
                                << P::None
                                << KomRoom {5, 5, Objects {{"Łóżko &#1; &#1078; &", "1|2", "3|4"}}}
                                << false;
    QTest::newRow("name of 1,000 characters as references") << k("komfile: 5|5{1}"
        + QString(komMaxNameLength, u'x').replace("x", "&#12354;") + "{2}1|2{3}3|4{1}\r\n")
                                                            << P::None << x << true;
    QTest::newRow("y pair of 65 characters")
        << k("komfile: 5|5{1}a{2}1|2{3}" + pair + "7{1}") << P::LongPair << x << false;
}

void TestKomFile::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(KomProblem, problem);
    QFETCH(KomRoom, room);
    QFETCH(bool, same);

    const KomReadResult got = readKom(bytes);
    QCOMPARE(got.error.problem, problem);
    if (problem != P::None) {
        QVERIFY(got.error.offset >= 0 && got.error.offset <= bytes.size());
        return;
    }
    if (room.width > 0)
        QCOMPARE(got.room, room);
    // Whatever reads, writes and reads back the same.
    const KomWriteResult written = writeKom(got.room);
    QVERIFY2(!written.error, qPrintable(written.error.describe()));
    QCOMPARE(readKom(written.bytes).room, got.room);
    if (same)
        QCOMPARE(written.bytes, bytes);
}

void TestKomFile::write_data()
{
    QTest::addColumn<KomRoom>("room");
    QTest::addColumn<KomProblem>("problem");
    QTest::addColumn<int>("object");
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray none;
    QTest::newRow("62-byte example") << exampleRoom << P::None << -1 << example;
    QTest::newRow("19-byte empty")
        << KomRoom {553, 361, {}} << P::None << -1 << QByteArray("komfile: 553|361\x01\r\n");
    for (const char mark : {'\x01', '\x02', '\x03'})
        QTest::addRow("name with mark %d", mark) << KomRoom {5, 5,
            Objects {{"a", "1|2", "3|4"}, {QString("b") + QChar(mark), "1|2", "3|4"}}}
                                                 << P::UnwritableName << 1 << none;
    QTest::newRow("name outside the code page")
        << KomRoom {5, 5, Objects {{"Café 桌子", "1|2", "3|4"}}} << P::None << -1
        << k("komfile: 5|5{1}Caf&#233; &#26700;&#23376;{2}1|2{3}3|4{1}\r\n");
    QTest::newRow("name beyond 16 bits, and text like a reference")
        << KomRoom {5, 5, Objects {{"a😀 &#65; &#x; &", "1|2", "3|4"}}} << P::None << -1
        << k("komfile: 5|5{1}a&#128512; &#38;#65; &#x; &{2}1|2{3}3|4{1}\r\n");
    QTest::newRow("pair with a mark")
        << KomRoom {5, 5, Objects {{"a", "1|2", "3\x01|4"}}} << P::UnwritablePair << 0 << none;
    const QString longest(komMaxNameLength, u'Ж'), pair(komMaxPairLength, u'7');
    QTest::newRow("name of 1,000 characters")
        << KomRoom {5, 5, Objects {{longest, "1|2", pair}}} << P::None << -1
        << k("komfile: 5|5{1}" + longest + "{2}1|2{3}" + pair + "{1}\r\n");
    QTest::newRow("name of 1,001 characters")
        << KomRoom {5, 5, Objects {{"a", "1|2", "3|4"}, {longest + "Ж", "1|2", "3|4"}}}
        << P::LongName << 1 << none;
    QTest::newRow("pair of 65 characters")
        << KomRoom {5, 5, Objects {{"a", pair + "7", "3|4"}}} << P::LongPair << 0 << none;
    QTest::newRow("long pair, mark in a later name")
        << KomRoom {5, 5, Objects {{"a", "1|2", pair + "7"}, {"b\x02", "1|2", "3|4"}}}
        << P::UnwritableName << 1 << none;
}

void TestKomFile::write()
{
    QFETCH(KomRoom, room);
    QFETCH(KomProblem, problem);
    QFETCH(int, object);
    QFETCH(QByteArray, bytes);

    const KomWriteResult got = writeKom(room);
    QCOMPARE(got.error.problem, problem);
    QCOMPARE(got.error.object, object);
    QCOMPARE(got.bytes, bytes);
    if (problem == P::None)
        QCOMPARE(toCodePage(got.text) + "\r\n", bytes);
}

QTEST_GUILESS_MAIN(TestKomFile)
#include "test_komfile.moc"
