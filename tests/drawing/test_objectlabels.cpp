#include "drawing/objectlabel.h"
#include "drawing/roomdrawing.h"
#include "model/objecttable.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

using namespace plandex;

namespace {

enum class Shown { Whole, Shortened, Absent };

QFont labelFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

// Transparent, with the room's objects painted in white labels only.
QImage paintLabels(const ObjectTable &table, QSize size, const QTransform &transform,
    const QRectF &area = QRectF(-1e6, -1e6, 2e6, 2e6))
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setWorldTransform(transform);
    drawObjectLabels(painter, table, area, labelFont(), Qt::white);
    return image;
}

// The painted pixels' bounding rectangle; empty when nothing was painted.
QRect paintedArea(const QImage &image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

class TestObjectLabels : public QObject
{
    Q_OBJECT

private slots:
    void fitsInsideOrShortensOrLeavesOut_data();
    void fitsInsideOrShortensOrLeavesOut();
    void textKeepsItsDeviceSizeAtAnyScale();
    void onlyObjectsMeetingTheAreaAreLabelled_data();
    void onlyObjectsMeetingTheAreaAreLabelled();
    void aLabelOverAnotherIsLeftOut();
};

void TestObjectLabels::fitsInsideOrShortensOrLeavesOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Shown>("nameShown");
    QTest::addColumn<bool>("sizeShown");
    QTest::addColumn<bool>("turned");
    QTest::addColumn<bool>("whole");

    const auto whole = Shown::Whole, cut = Shown::Shortened, none = Shown::Absent;
    QTest::newRow("room for both") << "Стол" << QSize(200, 60) << whole << true << false << true;
    QTest::newRow("long name wraps")
        << "Книжный шкаф с антресолью" << QSize(80, 60) << whole << true << false << false;
    QTest::newRow("narrow, turned") << "Диван" << QSize(30, 60) << none << true << true << false;
    QTest::newRow("tall, turned whole")
        << "Стеллаж" << QSize(40, 200) << whole << true << true << true;
    QTest::newRow("one line high") << "Тумба" << QSize(200, 22) << none << true << false << false;
    QTest::newRow("too small") << "Пуф" << QSize(8, 8) << none << false << false << false;
    QTest::newRow("too thin") << "Полка" << QSize(10, 200) << none << false << false << false;
    QTest::newRow("size wider than the box")
        << "Стол" << QSize(40, 40) << none << false << false << false;
    QTest::newRow("a number in the name")
        << "Стул 45 мягкий со спинкой" << QSize(90, 40) << cut << true << false << false;
    QTest::newRow("name of a mailed file")
        << QString(100000, u'ж') << QSize(200, 60) << cut << true << false << false;
    QTest::newRow("no name") << "" << QSize(200, 60) << none << true << false << true;
}

void TestObjectLabels::fitsInsideOrShortensOrLeavesOut()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(Shown, nameShown);
    QFETCH(bool, sizeShown);
    QFETCH(bool, turned);
    QFETCH(bool, whole);

    const QRect box(20, 30, size.width(), size.height());
    const QString sizeText = objectSizeText(size.width(), size.height());
    const FittedLabel label = fitLabel(box, name, sizeText, QFontMetricsF(labelFont()));
    QStringList lines;
    for (int i = 0; i < label.count; ++i)
        lines << label.lines[size_t(i)].text;
    const QString all = lines.join(u'|');
    QVERIFY2(!all.contains(QRegularExpression(u"\\d…"_qs)), qPrintable(all));
    QCOMPARE(label.turned, turned);
    QCOMPARE(label.whole, whole);
    // The size is the last line, whole, or there is no label at all.
    QCOMPARE(!lines.isEmpty() && lines.takeLast() == sizeText, sizeShown);
    QCOMPARE(lines.isEmpty(), nameShown == Shown::Absent);
    const QString shown = lines.join(QString()).remove(u' ');
    const QString full = QString(name).remove(u' ');
    if (nameShown == Shown::Whole)
        QCOMPARE(shown, full);
    if (nameShown == Shown::Shortened) {
        QVERIFY2(shown.endsWith(u'…') && full.startsWith(shown.chopped(1)), qPrintable(all));
        QVERIFY(lines.size() <= maxLabelLines - 1);
    }

    ObjectTable table;
    table.append(name, QString("%1|%2").arg(box.left()).arg(box.left() + size.width()),
        QString("%1|%2").arg(box.top()).arg(box.top() + size.height()));
    const QRect painted = paintedArea(paintLabels(table, {300, 300}, {}));
    QCOMPARE(painted.isEmpty(), label.count == 0);
    QVERIFY2(box.contains(painted) || painted.isEmpty(), "painted outside the object");
}

void TestObjectLabels::textKeepsItsDeviceSizeAtAnyScale()
{
    ObjectTable table;
    table.append("Шкаф", "10|110", "10|60");
    const QRect atOne = paintedArea(paintLabels(table, {600, 400}, {}));
    const QRect atFour = paintedArea(paintLabels(table, {600, 400}, QTransform::fromScale(4, 4)));
    QVERIFY(!atOne.isEmpty());
    QCOMPARE(atFour.height(), atOne.height());
    QCOMPARE(atFour.width(), atOne.width());
    // Centred in the object, which is four times as far from the corner.
    QVERIFY(qAbs(atFour.center().x() - 4 * 60) <= 1);
    QVERIFY(qAbs(atFour.center().y() - 4 * 35) <= 2);
}

void TestObjectLabels::onlyObjectsMeetingTheAreaAreLabelled_data()
{
    QTest::addColumn<QString>("rightY");
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<bool>("rightLabelled");

    QTest::newRow("touching the right one") << "0|60" << QRectF(200, 10, 100, 10) << true;
    QTest::newRow("the floor between") << "0|60" << QRectF(160, 0, 130, 90) << false;
    // A number too large borrows the one read before it, as on the plan,
    // and the grid cannot help.
    QTest::newRow("a number too large") << "0|1e20" << QRectF(350, 0, 10, 10) << true;
}

void TestObjectLabels::onlyObjectsMeetingTheAreaAreLabelled()
{
    QFETCH(QString, rightY);
    QFETCH(QRectF, area);
    QFETCH(bool, rightLabelled);
    ObjectTable table;
    table.append("Левый", "0|150", "0|60");
    table.append("Правый", "300|450", rightY);
    const QRect painted = paintedArea(paintLabels(table, {500, 100}, {}, area));
    QCOMPARE(!painted.isEmpty(), rightLabelled);
    if (rightLabelled)
        QVERIFY(painted.left() >= 300 && painted.bottom() <= 60);
}

void TestObjectLabels::aLabelOverAnotherIsLeftOut()
{
    const auto room = [](const QList<QStringList> &rows) {
        auto table = std::make_unique<ObjectTable>();
        for (const QStringList &r : rows)
            table->append(r[0], r[1], r[2]);
        return table;
    };
    const QStringList sofa {"Диван", "10|150", "10|60"};
    const QImage alone = paintLabels(*room({sofa}), {300, 100}, {});
    // Lying over it, as in a damaged file.
    const QStringList chair {"Кресло", "20|140", "5|70"}, wardrobe {"Шкаф", "20|140", "5|70"};
    QCOMPARE(paintLabels(*room({sofa, chair, wardrobe}), {300, 100}, {}), alone);

    // Objects apart, however near, keep their labels.
    const QImage both = paintLabels(*room({sofa, {"Стол", "152|290", "10|60"}}), {300, 100}, {});
    QCOMPARE(both.copy(0, 0, 151, 100), alone.copy(0, 0, 151, 100));
    QVERIFY(!paintedArea(both.copy(152, 10, 138, 50)).isEmpty());
}

QTEST_MAIN(TestObjectLabels)
#include "test_objectlabels.moc"
