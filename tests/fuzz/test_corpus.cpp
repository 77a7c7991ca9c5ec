// Every input the fuzz targets have kept, through the same checks, so that
// no input that once failed can fail again unnoticed.
#include "numberreadingcheck.h"
#include "roomfilecheck.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
    void replay_data();
    void replay();
};

void TestCorpus::replay_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("path");
    for (const QString target : {"room_file", "number_reading"}) {
        const QDir dir(QStringLiteral(PLANDEX_CORPUS "/") + target);
        const QStringList names = dir.entryList(QDir::Files, QDir::Name);
        // An empty folder would make the replay pass without replaying.
        QVERIFY2(names.size() >= 10, qPrintable(dir.path()));
        for (const QString &name : names)
            QTest::addRow("%s/%s", qPrintable(target), qPrintable(name))
                << target << dir.filePath(name);
    }
}

void TestCorpus::replay()
{
    QFETCH(QString, target);
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString problem = target == "room_file" ? plandex::checkRoomFile(bytes)
                                                  : plandex::checkNumberReading(bytes);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_APPLESS_MAIN(TestCorpus)
#include "test_corpus.moc"
