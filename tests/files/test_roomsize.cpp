#include "files/roomsize.h"

#include <QTest>

using namespace plandex;

class TestRoomSize : public QObject
{
    Q_OBJECT

private slots:
    void limits_data();
    void limits();
    void windowFitsAroundThePlan_data();
    void windowFitsAroundThePlan();
};

void TestRoomSize::limits_data()
{
    QTest::addColumn<qint64>("w");
    QTest::addColumn<qint64>("h");
    QTest::addColumn<bool>("ok");

    QTest::newRow("largest") << qint64(700) << qint64(500) << true;
    QTest::newRow("smallest") << qint64(50) << qint64(50) << true;
    QTest::newRow("too wide") << qint64(701) << qint64(500) << false;
    QTest::newRow("too high") << qint64(700) << qint64(501) << false;
    QTest::newRow("too narrow") << qint64(49) << qint64(50) << false;
    QTest::newRow("too low") << qint64(50) << qint64(49) << false;
    QTest::newRow("negative") << qint64(-600) << qint64(300) << false;
}

void TestRoomSize::limits()
{
    QFETCH(qint64, w);
    QFETCH(qint64, h);
    QFETCH(bool, ok);
    QCOMPARE(roomSizeAcceptable(w, h), ok);
}

void TestRoomSize::windowFitsAroundThePlan_data()
{
    QTest::addColumn<QSize>("plan");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("list");

    QTest::newRow("design room") << QSize(553, 361) << QSize(703, 398) << 391;
    QTest::newRow("smallest room") << QSize(50, 50) << QSize(385, 365) << 350;
    QTest::newRow("largest room") << QSize(700, 500) << QSize(850, 537) << 530;
    QTest::newRow("low room is raised") << QSize(300, 200) << QSize(450, 365) << 350;
    QTest::newRow("just high enough") << QSize(400, 328) << QSize(550, 365) << 358;
    QTest::newRow("one short") << QSize(400, 327) << QSize(550, 365) << 350;
    QTest::newRow("narrow but high") << QSize(60, 400) << QSize(385, 437) << 430;
}

void TestRoomSize::windowFitsAroundThePlan()
{
    QFETCH(QSize, plan);
    QFETCH(QSize, client);
    QFETCH(int, list);
    QCOMPARE(fitAround(plan), (WindowFit {client, list}));
}

QTEST_APPLESS_MAIN(TestRoomSize)
#include "test_roomsize.moc"
