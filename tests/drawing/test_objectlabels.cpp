#include "drawing/objectlabel.h"
#include "drawing/roomdrawing.h"
#include "model/objecttable.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
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
    QTest::addColumn<Shown>("sizeShown");

    QTest::newRow("room for both") << "Стол" << QSize(200, 60) << Shown::Whole << Shown::Whole;
    QTest::newRow("long name") << "Книжный шкаф с антресолью" << QSize(80, 60) << Shown::Shortened
                               << Shown::Whole;
    QTest::newRow("narrow") << "Диван" << QSize(30, 60) << Shown::Shortened << Shown::Shortened;
    QTest::newRow("one line high") << "Тумба" << QSize(200, 22) << Shown::Whole << Shown::Absent;
    QTest::newRow("too small") << "Пуф" << QSize(8, 8) << Shown::Absent << Shown::Absent;
    QTest::newRow("too thin") << "Полка" << QSize(10, 200) << Shown::Absent << Shown::Absent;
    QTest::newRow("name of a mailed file")
        << QString(100000, u'ж') << QSize(200, 60) << Shown::Shortened << Shown::Whole;
    QTest::newRow("no name") << "" << QSize(200, 60) << Shown::Absent << Shown::Whole;
}

void TestObjectLabels::fitsInsideOrShortensOrLeavesOut()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(Shown, nameShown);
    QFETCH(Shown, sizeShown);

    const QRect box(20, 30, size.width(), size.height());
    const QString sizeText = objectSizeText(size.width(), size.height());
    const FittedLabel label = fitLabel(box, name, sizeText, QFontMetricsF(labelFont()));
    QList<QPair<QString, Shown>> expected;
    if (nameShown != Shown::Absent)
        expected.append({name, nameShown});
    if (sizeShown != Shown::Absent)
        expected.append({sizeText, sizeShown});
    QCOMPARE(label.count, expected.size());
    for (int i = 0; i < label.count; ++i) {
        const QString &text = label.lines[i].text;
        const auto &[whole, shown] = expected[i];
        if (shown == Shown::Whole) {
            QCOMPARE(text, whole);
        } else {
            QVERIFY2(text.endsWith(u'…') && text.size() >= 2, qPrintable(text));
            QVERIFY2(whole.startsWith(text.chopped(1)), qPrintable(text));
        }
    }

    ObjectTable table;
    table.append(name, QString("%1|%2").arg(box.left()).arg(box.left() + size.width()),
        QString("%1|%2").arg(box.top()).arg(box.top() + size.height()));
    const QRect painted = paintedArea(paintLabels(table, {300, 300}, {}));
    QCOMPARE(painted.isEmpty(), expected.isEmpty());
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
