#include "files/roomsize.h"
#include "model/codepage.h"
#include "plan/colors.h"
#include "plan/editor.h"
#include "support/fakewindow.h"
#include "support/filebytes.h"
#include "support/planchecks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace plandex;

namespace {

const QString badFile = QStringLiteral("Неверный формат файла");

QByteArray k(const char *text)
{
    return QByteArray(text).replace("{1}", "\x01").replace("{2}", "\x02").replace("{3}", "\x03");
}

// The two-object room of the file format's example, 62 bytes.
QByteArray exampleFile()
{
    return k("komfile: 553|361{1}") + toCodePage("Диван") + k("{2} 40|200{3} 20|100{1}")
        + toCodePage("Стол") + k("{2}300|380{3}150|230{1}\r\n");
}

QStringList rowsOf(const Editor &e)
{
    QStringList rows;
    for (int i = 0; i < e.table().count(); ++i)
        rows << e.table().name(i) + "," + e.table().xText(i) + "," + e.table().yText(i);
    return rows;
}

// Everything a load may change, to tell that a refused one changed nothing.
QString seen(const Editor &e, const FakeWindow &w)
{
    QString text
        = QString("%1 %2 %3x%4 %5 ")
              .arg(e.table().selection())
              .arg(qHash(QByteArrayView(e.K().image().constBits(), e.K().image().sizeInBytes())))
              .arg(w.clientSize.width())
              .arg(w.clientSize.height())
              .arg(w.labelW + "x" + w.labelH);
    return text + rowsOf(e).join(';');
}

// An editor holding a room of 600 x 400 with two objects, the first one
// current (green), as a user leaves it.
struct Fixture {
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e {window, prompts};
    Fixture()
    {
        e.load();
        e.state().newW = 600;
        e.state().newH = 400;
        e.setKomnata();
        addObject(e, "Шкаф", QRect(QPoint(10, 10), QPoint(60, 40)));
        addObject(e, " Кресло ", QRect(QPoint(100, 100), QPoint(150, 180)));
        e.table().select(0);
    }
};

} // namespace

class TestRoomFile : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void save();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
    void exportWritesTheBitmap();
};

void TestRoomFile::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // The command line as given; {path} stands for the file's path.
    QTest::addColumn<QString>("commandLine");
    // Rows of the loaded table as "name,x,y"; empty for a refused file.
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QSize>("room");

    const QString path = "{path}";
    QTest::newRow("example room") << exampleFile() << path
                                  << QStringList {"Диван,40|200,20|100", "Стол,300|380,150|230"}
                                  << QSize(553, 361);
    QTest::newRow("empty room") << k("komfile: 553|361{1}\r\n") << path << QStringList {}
                                << QSize(553, 361);
    QTest::newRow("1000|800, blanks around the command line")
        << k("komfile: 1000|800{1}") << "  " + path + "  " << QStringList {} << QSize(1000, 800);
    QTest::newRow("missing file") << QByteArray() << path + ".not" << QStringList {} << QSize();
    QTest::newRow("quoted command line")
        << exampleFile() << "\"" + path + "\"" << QStringList {} << QSize();
    QTest::newRow("wrong header") << k("komfile:553|361{1}") << path << QStringList {} << QSize();
    QTest::newRow("last object lacks its end mark")
        << k("komfile: 553|361{1}a{2}1|2{3}3|4\r\n") << path << QStringList {} << QSize();
    QTest::newRow("room too wide")
        << k("komfile: 5000|300{1}") << path << QStringList {} << QSize();
    const QByteArray longName(1001, 'a'), longPair = "1|" + QByteArray(63, '0');
    QTest::newRow("name of 1,001 characters")
        << k("komfile: 553|361{1}") + longName + k("{2}1|2{3}3|4{1}") << path << QStringList {}
        << QSize();
    QTest::newRow("pair of 65 characters")
        << k("komfile: 553|361{1}a{2}1|2{3}") + longPair + k("{1}") << path << QStringList {}
        << QSize();
}

void TestRoomFile::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, commandLine);
    QFETCH(QStringList, rows);
    QFETCH(QSize, room);

    QTemporaryDir tmp;
    const QString file = tmp.filePath("комната 1.kom");
    QVERIFY(put(file, bytes));
    commandLine.replace("{path}", file);

    Fixture f;
    f.e.state().tmpStr = "Plandex_file";
    const QString before = seen(f.e, f.window);
    f.e.openCommandLine(commandLine);

    QVERIFY(f.e.state().listReady);
    if (room.isEmpty()) {
        QCOMPARE(f.prompts.messages, QStringList {badFile});
        QCOMPARE(seen(f.e, f.window), before);
        return;
    }
    QCOMPARE(f.prompts.messages, QStringList {});
    QCOMPARE(rowsOf(f.e), rows);
    QCOMPARE(f.e.K().size(), room);
    QCOMPARE(f.window.clientSize, fitAround(room).client);
    QCOMPARE(f.e.state().tmpStr, QString("laga"));
    QCOMPARE(f.window.labelW + "x" + f.window.labelH, QString("50x30")); // Шкаф, current before
    QCOMPARE(f.e.table().selection(), int(rows.size()) - 1);
    QCOMPARE(planFault(f.e), QString());
    const WindowState &s = f.e.state();
    QCOMPARE(QList<int>({s.dragDX, s.dragDY, s.othLeft, s.othTop, s.othRight, s.othBottom}),
        QList<int>(6, 0));
}

void TestRoomFile::save()
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath("plan.kom");
    QVERIFY(put(file, "old"));

    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.load();
    // As drawn with the mouse, and as read from a file.
    e.table().append("Диван", " 40|200", " 20|100");
    e.table().append("Стол", "300|380", "150|230");
    e.OBNOV();
    e.table().select(0);
    QVERIFY(e.saveKom(file));
    QCOMPARE(e.roomFile(), file);
    QCOMPARE(contentOf(file), exampleFile());
    QCOMPARE(e.state().tmpStr, fromCodePage(exampleFile().chopped(2)));
    QCOMPARE(prompts.messages, QStringList {});
    // The last object is current, green, with its size shown.
    QCOMPARE(e.table().selection(), 1);
    QCOMPARE(window.labelW + "x" + window.labelH, QString("80x80"));
    QCOMPARE(e.K().point(340, 190), colors::green);
    QCOMPARE(e.K().point(100, 50), colors::blue);
    QCOMPARE(planFault(e), QString());
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files), QStringList {"plan.kom"});
}

void TestRoomFile::failedSaveIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("toFolder");
    QTest::addColumn<QString>("reason");

    QTest::newRow("name with a record mark") << QString("a\x01") << false << "имя объекта 3";
    QTest::newRow("name of 1,001 characters")
        << QString(1001, u'Ж') << false << "имя объекта 3 длиннее 1000 символов";
    QTest::newRow("target is a folder") << QString("Стул") << true << "это папка";
}

void TestRoomFile::failedSaveIsReported()
{
    QFETCH(QString, name);
    QFETCH(bool, toFolder);
    QFETCH(QString, reason);

    QTemporaryDir tmp;
    const QString file = toFolder ? tmp.path() : tmp.filePath("plan.kom");
    const QByteArray old = exampleFile();
    if (!toFolder)
        QVERIFY(put(file, old));

    Fixture f;
    // Names typed by the user are cleaned; this one reaches the table
    // some other way.
    f.e.table().append(name, "300|310", "300|310");
    const QString belongsTo = f.e.roomFile();
    QVERIFY(!f.e.saveKom(file));
    QCOMPARE(f.e.roomFile(), belongsTo);
    QCOMPARE(f.prompts.messages.size(), 1);
    QVERIFY2(f.prompts.messages[0].startsWith("Не удалось сохранить файл " + file),
        qPrintable(f.prompts.messages[0]));
    QVERIFY2(f.prompts.messages[0].contains(reason), qPrintable(f.prompts.messages[0]));
    if (!toFolder)
        QCOMPARE(contentOf(file), old);
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files).size(), toFolder ? 0 : 1);
}

void TestRoomFile::exportWritesTheBitmap()
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath("plan.bmp");
    Fixture f;
    QVERIFY(f.e.exportBmp(file));
    QCOMPARE(f.prompts.messages, QStringList {});

    const QByteArray bytes = contentOf(file);
    QVERIFY(bytes.startsWith("BM"));
    QCOMPARE(int(uchar(bytes[28])) | int(uchar(bytes[29])) << 8, 24);
    const QImage read(file, "BMP");
    QCOMPARE(read.size(), QSize(600, 400));
    const QImage plan = f.e.K().image();
    QCOMPARE(
        read.convertToFormat(QImage::Format_RGB32), plan.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(read.pixel(30, 20) & 0xFFFFFF, QRgb(colors::green));
}

QTEST_GUILESS_MAIN(TestRoomFile)
#include "test_roomfile.moc"
