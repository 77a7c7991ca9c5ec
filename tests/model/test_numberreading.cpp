#include "model/numberreading.h"

#include <QTest>

#include <limits>

using namespace plandex;

Q_DECLARE_METATYPE(std::optional<qint32>)

namespace {
const std::optional<qint32> doesNotFit = std::nullopt;
}

class TestNumberReading : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void pairs_data();
    void pairs();
    void hugeNumbersDoNotFit();
};

void TestNumberReading::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("plain") << "120" << 120.0;
    QTest::newRow("leading blank") << " 40" << 40.0;
    QTest::newRow("blanks inside digits") << "1 2 3" << 123.0;
    QTest::newRow("tab and line feed skipped") << "\t1\n5" << 15.0;
    QTest::newRow("carriage return stops") << "1\r5" << 1.0;
    QTest::newRow("negative") << "-40" << -40.0;
    QTest::newRow("sign then blank") << "- 7" << -7.0;
    QTest::newRow("plus sign") << "+8" << 8.0;
    QTest::newRow("two signs") << "+-8" << 0.0;
    QTest::newRow("fraction") << "10.25" << 10.25;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("comma is no decimal point") << "12,5" << 12.0;
    QTest::newRow("exponent") << "1.5e2" << 150.0;
    QTest::newRow("capital exponent with sign") << "25E-1" << 2.5;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent sign without digits") << "7e+x" << 7.0;
    QTest::newRow("letters first") << "abc" << 0.0;
    QTest::newRow("stops at letters") << "42cm" << 42.0;
    QTest::newRow("bar ends the number") << "40|120" << 40.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("non-ASCII digit stops") << QString::fromUtf8("5\u0663") << 5.0;
    QTest::newRow("tiny exponent underflows to zero") << "1e-400" << 0.0;
}

void TestNumberReading::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto read = leadingNumberValue(text);
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
}

void TestNumberReading::roundsHalvesToEven_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<qint32>>("expected");

    QTest::newRow("10.5 to 10") << "10.5" << std::optional<qint32>(10);
    QTest::newRow("11.5 to 12") << "11.5" << std::optional<qint32>(12);
    QTest::newRow("20.5 to 20") << "20.5" << std::optional<qint32>(20);
    QTest::newRow("-2.5 to -2") << "-2.5" << std::optional<qint32>(-2);
    QTest::newRow("-3.5 to -4") << "-3.5" << std::optional<qint32>(-4);
    QTest::newRow("0.49 to 0") << "0.49" << std::optional<qint32>(0);
    QTest::newRow("0.51 to 1") << "0.51" << std::optional<qint32>(1);
    QTest::newRow("largest") << "2147483647" << std::optional<qint32>(2147483647);
    QTest::newRow("smallest") << "-2147483648" << std::optional<qint32>(-2147483647 - 1);
    QTest::newRow("largest plus a little") << "2147483647.4" << std::optional<qint32>(2147483647);
    QTest::newRow("rounds past the largest") << "2147483647.5" << doesNotFit;
    QTest::newRow("one past the largest") << "2147483648" << doesNotFit;
    QTest::newRow("one below the smallest") << "-2147483649" << doesNotFit;
    QTest::newRow("exponent too large") << "1e10" << doesNotFit;
}

void TestNumberReading::roundsHalvesToEven()
{
    QFETCH(QString, text);
    QFETCH(std::optional<qint32>, expected);
    QCOMPARE(leadingInt32(text), expected);
}

void TestNumberReading::pairs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<qint32>>("first");
    QTest::addColumn<std::optional<qint32>>("second");

    using I = std::optional<qint32>;
    QTest::newRow("no blanks") << "120|180" << I(120) << I(180);
    QTest::newRow("blank before each") << " 120| 180" << I(120) << I(180);
    QTest::newRow("blank before the first only") << " 40|120" << I(40) << I(120);
    QTest::newRow("negative") << "-5| -1" << I(-5) << I(-1);
    QTest::newRow("no bar") << "75" << I(0) << I(75);
    QTest::newRow("several bars") << "1|2|3" << I(1) << I(2);
    QTest::newRow("fractions and halves") << "10.5|20.5" << I(10) << I(20);
    QTest::newRow("empty") << "" << I(0) << I(0);
    QTest::newRow("letters") << "ab|cd" << I(0) << I(0);
    // Plain digits take a short way; what follows them must still count.
    QTest::newRow("blanks inside both") << "1 2|3 4" << I(12) << I(34);
    QTest::newRow("fraction and exponent after digits") << "12.5|7e1" << I(12) << I(70);
    QTest::newRow("nine and ten digits") << "123456789|1234567890" << I(123456789) << I(1234567890);
    QTest::newRow("minus zero and plus") << " -0|+5" << I(0) << I(5);
    QTest::newRow("tab and line feed after digits") << "40\t|1\n2" << I(40) << I(12);
    QTest::newRow("overflow in the first") << "3000000000|5" << doesNotFit << I(5);
    QTest::newRow("overflow in the second") << "5|-3000000000" << I(5) << doesNotFit;
}

void TestNumberReading::pairs()
{
    QFETCH(QString, text);
    QFETCH(std::optional<qint32>, first);
    QFETCH(std::optional<qint32>, second);
    const PairValues values = readPair(text);
    QCOMPARE(values.first, first);
    QCOMPARE(values.second, second);
}

void TestNumberReading::hugeNumbersDoNotFit()
{
    // Beyond a double: no value at all, so the reader keeps what it had.
    QVERIFY(!leadingNumberValue(QStringLiteral("1e400")).has_value());
    QVERIFY(!leadingNumberValue(QString(400, u'9')).has_value());
    QVERIFY(!leadingInt32(QStringLiteral("-1e400")).has_value());
    qint32 kept = 17;
    assignIfRead(kept, leadingInt32(QStringLiteral("1e400")));
    QCOMPARE(kept, 17);
    assignIfRead(kept, leadingInt32(QStringLiteral("18")));
    QCOMPARE(kept, 18);
}

QTEST_APPLESS_MAIN(TestNumberReading)
#include "test_numberreading.moc"
