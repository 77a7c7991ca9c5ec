#include "model/localenumber.h"

#include <QTest>

using namespace plandex;

class TestLocaleNumber : public QObject
{
    Q_OBJECT

private slots:
    void typedNumbers_data();
    void typedNumbers();
};

void TestLocaleNumber::typedNumbers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "C"
                           << "80" << true << 80.0;
    QTest::newRow("blanks around") << "C"
                                   << "  80 " << true << 80.0;
    QTest::newRow("sign") << "C"
                          << "-12" << true << -12.0;
    QTest::newRow("exponent") << "C"
                              << "1.5e2" << true << 150.0;
    QTest::newRow("point in C") << "C"
                                << "12.5" << true << 12.5;
    QTest::newRow("comma in Russian") << "ru_RU"
                                      << "12,5" << true << 12.5;
    QTest::newRow("point is not Russian") << "ru_RU"
                                          << "12.5" << false << 0.0;
    QTest::newRow("Russian groups") << "ru_RU" << QString("1\u00a0000,5") << true << 1000.5;
    QTest::newRow("empty") << "C"
                           << "" << false << 0.0;
    QTest::newRow("blanks only") << "C"
                                 << "   " << false << 0.0;
    QTest::newRow("letters") << "C"
                             << "abc" << false << 0.0;
    QTest::newRow("number then letters") << "C"
                                         << "12cm" << false << 0.0;
    QTest::newRow("infinity") << "C"
                              << "inf" << false << 0.0;
    QTest::newRow("not a number") << "C"
                                  << "nan" << false << 0.0;
}

void TestLocaleNumber::typedNumbers()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto read = localeNumber(text, QLocale(locale));
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, value);
}

QTEST_APPLESS_MAIN(TestLocaleNumber)
#include "test_localenumber.moc"
