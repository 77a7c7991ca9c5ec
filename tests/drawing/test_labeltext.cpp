#include "drawing/labeltext.h"

#include <QRegularExpression>
#include <QTest>

using namespace plandex;

class TestLabelText : public QObject
{
    Q_OBJECT

private slots:
    void manyTextsWrapAsDrawn_data();
    void manyTextsWrapAsDrawn();
};

void TestLabelText::manyTextsWrapAsDrawn_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("whole");

    QTest::newRow("one line") << "Шкаф-купе с зеркалом" << 1 << true;
    QTest::newRow("wraps at a blank")
        << "Шкаф-купе с зеркалом и антресолью для спальни" << 2 << true;
    // Kerning draws these narrower than their characters add up to.
    QTest::newRow("kerned pairs") << QString("AVATAR ").repeated(12) << 3 << true;
    // Ligatures and their neighbours draw wider.
    QTest::newRow("ligatures") << QString("Alff.i ffi ").repeated(12) << 3 << true;
    QTest::newRow("soft hyphens") << QString("Стол\u00ADжурнальный ").repeated(8) << 2 << false;
    QTest::newRow("a number at the cut")
        << "Стеллаж " + QString("1200 ").repeated(20) << 2 << false;
    QTest::newRow("a mailed file's name") << QString(1000, u'ж') << 2 << false;
    QTest::newRow("beyond the 65,536th character") << QString("😀").repeated(200) << 2 << false;
}

// Each line as drawn fits, the text is kept in order, and the last line is
// shortened, never after a digit, when the text goes on past it.
void TestLabelText::manyTextsWrapAsDrawn()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    QFETCH(bool, whole);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    const QFontMetricsF metrics(font);
    const double width = 40 * metrics.averageCharWidth();
    TextMeasure measure(metrics);
    const WrappedText wrapped = measure.wrapped(text, width, lines);

    QVERIFY(!wrapped.lines.isEmpty() && wrapped.lines.size() <= lines);
    QString kept;
    for (const QString &line : wrapped.lines) {
        QVERIFY2(metrics.horizontalAdvance(line) <= width, qPrintable(line));
        QVERIFY(!line.back().isHighSurrogate());
        kept += line;
    }
    QVERIFY2(!kept.contains(QRegularExpression(u"\\d…"_qs)), qPrintable(kept));
    const QString all = QString(text).remove(u' ');
    kept.remove(u' ');
    if (wrapped.whole) {
        QCOMPARE(kept, all);
    } else {
        QVERIFY(kept.endsWith(u'…'));
        QVERIFY(all.startsWith(kept.chopped(1)));
    }
    QCOMPARE(wrapped.whole, whole);
    // A text that fits is measured once, and its width is given.
    double drawn = 0;
    QCOMPARE(measure.fits(text, width, &drawn), lines == 1);
    if (lines == 1)
        QCOMPARE(drawn, metrics.horizontalAdvance(text));
}

QTEST_MAIN(TestLabelText)
#include "test_labeltext.moc"
