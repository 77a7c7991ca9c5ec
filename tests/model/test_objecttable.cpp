#include "model/geometry.h"
#include "model/objecttable.h"
#include "model/windowstate.h"

#include <QSignalSpy>
#include <QTest>

using namespace plandex;

class TestObjectTable : public QObject
{
    Q_OBJECT

private slots:
    void rowsStayAlignedThroughEveryOperation();
    void everySelectionRaisesTheClickAtOnce();
    void selectionFollowsRemovalsAndRewrites();
    void refusesRowsBeyondTheLimit();
    void getXYReadsTheSelectedRow();
    void getXYWithoutSelectionGivesZeros();
    void getXYKeepsAValueThatDoesNotFit();
    void namesAreNotKeys();
    void gridStaysSmallForWideRows_data();
    void gridStaysSmallForWideRows();

private:
    static QStringList column(const ObjectTable &t, int which);
};

QStringList TestObjectTable::column(const ObjectTable &t, int which)
{
    QStringList out;
    for (int i = 0; i < t.count(); ++i)
        out << (which == 0 ? t.name(i) : which == 1 ? t.xText(i) : t.yText(i));
    return out;
}

void TestObjectTable::rowsStayAlignedThroughEveryOperation()
{
    ObjectTable t;
    QVERIFY(t.append("a", "1|2", "3|4"));
    QVERIFY(t.append("b", "5|6", "7|8"));
    QVERIFY(t.append("c", "9|10", "11|12"));
    QVERIFY(t.rewrite(1, "B", " 50| 60", " 70| 80"));
    QVERIFY(t.removeAt(0));
    QVERIFY(t.append("d", "13|14", "15|16"));

    QCOMPARE(column(t, 0), QStringList({"B", "c", "d"}));
    QCOMPARE(column(t, 1), QStringList({" 50| 60", "9|10", "13|14"}));
    QCOMPARE(column(t, 2), QStringList({" 70| 80", "11|12", "15|16"}));
    QCOMPARE(t.row(0).xValues, (PairValues {50, 60}));
    QCOMPARE(t.row(0).yValues, (PairValues {70, 80}));
    QCOMPARE(t.rowCount(), 3);
    QCOMPARE(t.data(t.index(2), Qt::DisplayRole).toString(), QString("d"));

    QVERIFY(!t.removeAt(3));
    QVERIFY(!t.rewrite(-1, "x", "", ""));
    QCOMPARE(t.count(), 3);

    t.clear();
    QCOMPARE(t.count(), 0);
    QCOMPARE(t.selection(), -1);
}

void TestObjectTable::everySelectionRaisesTheClickAtOnce()
{
    ObjectTable t;
    t.append("a", "1|2", "3|4");
    t.append("b", "5|6", "7|8");

    QList<int> seen;
    // The notification must have run before select() returns, with the
    // new index already in place.
    connect(&t, &ObjectTable::clicked, this, [&](int i) {
        QCOMPARE(t.selection(), i);
        seen << i;
    });

    QVERIFY(t.select(1));
    QCOMPARE(seen, QList<int>({1}));
    QVERIFY(t.select(1));
    QCOMPARE(seen, QList<int>({1, 1}));
    QVERIFY(t.select(-1));
    QVERIFY(t.select(-1));
    QCOMPARE(seen, QList<int>({1, 1, -1, -1}));

    QCOMPARE(t.selectedName(), QString());
    t.select(0);
    QCOMPARE(t.selectedName(), QString("a"));
    QCOMPARE(t.selectedX(), QString("1|2"));
    QCOMPARE(t.selectedY(), QString("3|4"));

    // Out of range: refused silently, the selection stays.
    QVERIFY(!t.select(2));
    QVERIFY(!t.select(-2));
    QCOMPARE(t.selection(), 0);
    QCOMPARE(seen.size(), 5);
}

void TestObjectTable::selectionFollowsRemovalsAndRewrites()
{
    ObjectTable t;
    for (const char *n : {"a", "b", "c", "d"})
        t.append(n, "0|1", "0|1");
    QSignalSpy clicks(&t, &ObjectTable::clicked);

    t.select(2);
    t.removeAt(0); // before the selected row: it stays on "c"
    QCOMPARE(t.selection(), 1);
    QCOMPARE(t.selectedName(), QString("c"));
    t.removeAt(2); // after it: unchanged
    QCOMPARE(t.selection(), 1);
    t.removeAt(1); // the selected row itself: none
    QCOMPARE(t.selection(), -1);

    t.select(0);
    t.rewrite(0, "b2", "5|6", "7|8"); // removed and re-inserted: none
    QCOMPARE(t.selection(), -1);
    QCOMPARE(t.name(0), QString("b2"));

    // Only explicit settings click.
    QCOMPARE(clicks.count(), 2);
}

void TestObjectTable::refusesRowsBeyondTheLimit()
{
    ObjectTable t;
    for (int i = 0; i < ObjectTable::maxRows; ++i)
        QVERIFY(t.append("o", "0|1", "0|1"));
    t.select(5);
    QVERIFY(!t.append("one too many", "0|1", "0|1"));
    QCOMPARE(t.count(), 32767);
    QCOMPARE(t.name(32766), QString("o"));
    QCOMPARE(t.selection(), 5);
}

void TestObjectTable::getXYReadsTheSelectedRow()
{
    ObjectTable t;
    WindowState s;
    t.append("bare", "120|180", "10|20");
    t.append("blanks", " 120| 180", " 10| 20");
    t.select(0);
    getXY(t, s);
    QCOMPARE(QList<qint32>({s.objLeft, s.objTop, s.objRight, s.objBottom}),
        QList<qint32>({120, 10, 180, 20}));
    s = WindowState();
    t.select(1);
    getXY(t, s);
    QCOMPARE(QList<qint32>({s.objLeft, s.objTop, s.objRight, s.objBottom}),
        QList<qint32>({120, 10, 180, 20}));
}

void TestObjectTable::getXYWithoutSelectionGivesZeros()
{
    ObjectTable t;
    WindowState s;
    s.objLeft = s.objTop = s.objRight = s.objBottom = 9;
    t.append("a", "1|2", "3|4");
    getXY(t, s);
    QCOMPARE(
        QList<qint32>({s.objLeft, s.objTop, s.objRight, s.objBottom}), QList<qint32>({0, 0, 0, 0}));
}

void TestObjectTable::getXYKeepsAValueThatDoesNotFit()
{
    ObjectTable t;
    WindowState s;
    t.append("ok", "1|2", "3|4");
    t.append("wide", "5|99999999999", "-99999999999|8");
    t.select(0);
    getXY(t, s);
    t.select(1);
    getXY(t, s);
    QCOMPARE(s.objLeft, 5);
    QCOMPARE(s.objRight, 2); // kept
    QCOMPARE(s.objTop, 3); // kept
    QCOMPARE(s.objBottom, 8);
}

void TestObjectTable::namesAreNotKeys()
{
    ObjectTable t;
    WindowState s;
    t.append("Стул", "10|20", "10|20");
    t.append("Стул", "30|40", "50|60");
    t.select(1);
    getXY(t, s);
    QCOMPARE(s.objLeft, 30);
    t.select(0);
    getXY(t, s);
    QCOMPARE(s.objLeft, 10);
    QCOMPARE(t.count(), 2);
}

void TestObjectTable::gridStaysSmallForWideRows_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<int>("cellsEach"); // in the grid; 0 for a row kept apart

    QTest::newRow("room-sized") << "0|4095"
                                << "0|4095" << 0;
    QTest::newRow("room-sized, swapped") << "4095|0"
                                         << "4095|0" << 0;
    QTest::newRow("far beyond the room") << "-100000|100000"
                                         << "-5|900000" << 0;
    QTest::newRow("a strip across the room") << "0|4095"
                                             << "10|40" << 0;
    QTest::newRow("just over the limit") << "0|159"
                                         << "0|127" << 0;
    QTest::newRow("furniture") << "0|127"
                               << "0|95" << 12;
    QTest::newRow("small") << "10|17"
                           << "10|17" << 1;
}

// However wide the rows, the grid holds a bounded number of entries per
// row: through appends, rewrites and a rebuild after a removal.
void TestObjectTable::gridStaysSmallForWideRows()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(int, cellsEach);
    constexpr int rows = 2000;
    ObjectTable t;
    const qsizetype bound = qsizetype(SpatialIndex::maxCellsPerRow) * rows;
    for (int i = 0; i < rows; ++i)
        t.append("o", x, y);
    QCOMPARE(t.places().cellEntries(), qsizetype(cellsEach) * rows);
    for (int i = 0; i < rows; i += 2)
        t.rewrite(i, "o", "1|2", "1|2");
    for (int i = 0; i < rows; i += 2)
        t.rewrite(i, "o", x, y);
    QVERIFY(t.places().cellEntries() <= bound);
    t.removeAt(0);
    QCOMPARE(t.places().cellEntries(), qsizetype(cellsEach) * (rows - 1));
}

QTEST_APPLESS_MAIN(TestObjectTable)
#include "test_objecttable.moc"
