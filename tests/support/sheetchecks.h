#pragma once

// A known room and what its sheet must show on a PDF page, read back with
// poppler's tools: the page size, every name with its size under it, and
// the names as far apart on paper as the objects are in the room at the
// scale. Shared by the command-line export and the printing tests.

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

#include <cmath>

struct KnownObject {
    QString name;
    int left, top, right, bottom;

    QPointF centre() const { return {(left + right) / 2.0, (top + bottom) / 2.0}; }
    QString size() const { return QString("%1 \u00D7 %2").arg(right - left).arg(bottom - top); }
};

inline const QSize knownRoomSize {300, 200};

inline QList<KnownObject> knownObjects()
{
    return {{"Диван", 20, 20, 120, 80}, {"Стол", 200, 120, 260, 180}, {"Шкаф", 10, 150, 70, 190},
        {"Кресло-кровать", 140, 10, 290, 70}};
}

// The known room as a room file.
inline QByteArray knownRoomFile()
{
    QStringEncoder cp1251("windows-1251");
    QByteArray bytes = QString("komfile: %1|%2")
                           .arg(knownRoomSize.width())
                           .arg(knownRoomSize.height())
                           .toLatin1();
    for (const KnownObject &o : knownObjects())
        bytes += "\x01" + QByteArray(cp1251(o.name)) + "\x02"
            + QString("%1|%2").arg(o.left).arg(o.right).toLatin1() + "\x03"
            + QString("%1|%2").arg(o.top).arg(o.bottom).toLatin1();
    return bytes + "\x01\r\n";
}

// What a tool printed on its standard output; empty when it failed.
inline QString toolOutput(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct PdfWord {
    QString text;
    QRectF box; // in points, y downwards
};

inline QList<PdfWord> pdfWords(const QString &pdf)
{
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<PdfWord> words;
    auto it = word.globalMatch(toolOutput("pdftotext", {"-bbox", pdf, "-"}));
    while (it.hasNext()) {
        const auto m = it.next();
        words.append({m.captured(5),
            QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

// The words on the line right under a word and about as far across, left
// to right, joined with blanks.
inline QString lineUnder(const QList<PdfWord> &words, const PdfWord &above)
{
    QList<PdfWord> line;
    for (const PdfWord &w : words)
        if (std::abs(w.box.top() - above.box.bottom()) < 1
            && std::abs(w.box.center().x() - above.box.center().x()) < 40)
            line.append(w);
    std::sort(line.begin(), line.end(),
        [](const PdfWord &a, const PdfWord &b) { return a.box.left() < b.box.left(); });
    QStringList texts;
    for (const PdfWord &w : line)
        texts << w.text;
    return texts.join(' ');
}

constexpr double pointsPerMm = 72 / 25.4;

// The PDF holds one page of paper (in mm, turned as given) with the known
// room at 1:scale; its fonts are embedded with their Unicode mapping, so
// the names can be searched.
inline void checkKnownSheet(const QString &pdf, QSizeF paperMm, int scale)
{
    const QString info = toolOutput("pdfinfo", {pdf});
    static const QRegularExpression pageSize(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)");
    const auto size = pageSize.match(info);
    QVERIFY2(size.hasMatch(), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(R"(Pages:\s+1\n)")), qPrintable(info));
    QVERIFY2(std::abs(size.captured(1).toDouble() / pointsPerMm - paperMm.width()) < 0.5,
        qPrintable(info));
    QVERIFY2(std::abs(size.captured(2).toDouble() / pointsPerMm - paperMm.height()) < 0.5,
        qPrintable(info));

    const QStringList fonts = toolOutput("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    static const QRegularExpression embedded(R"(\s(yes|no)\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+$)");
    for (const QString &font : fonts) {
        const auto m = embedded.match(font);
        QVERIFY2(
            m.hasMatch() && m.captured(1) == "yes" && m.captured(3) == "yes", qPrintable(font));
    }

    const QList<PdfWord> words = pdfWords(pdf);
    const QList<KnownObject> objects = knownObjects();
    QList<PdfWord> names;
    for (const KnownObject &o : objects) {
        const auto at = std::find_if(
            words.begin(), words.end(), [&o](const PdfWord &w) { return w.text == o.name; });
        QVERIFY2(at != words.end(), qPrintable("no " + o.name));
        names.append(*at);
        QCOMPARE(lineUnder(words, *at), o.size());
    }
    const double mmPerCm = 10.0 / scale;
    for (qsizetype i = 1; i < objects.size(); ++i) {
        const QPointF inRoom = (objects[i].centre() - objects[0].centre()) * mmPerCm;
        // A label of two lines is centred on its piece: where its name ends.
        const QPointF onPage = (QPointF(names[i].box.center().x(), names[i].box.bottom())
                                   - QPointF(names[0].box.center().x(), names[0].box.bottom()))
            / pointsPerMm;
        QVERIFY2(
            std::abs(onPage.x() - inRoom.x()) <= 0.5 && std::abs(onPage.y() - inRoom.y()) <= 0.5,
            qPrintable(QString("%1: %2, %3 mm on the page, %4, %5 mm at the scale")
                           .arg(objects[i].name)
                           .arg(onPage.x())
                           .arg(onPage.y())
                           .arg(inRoom.x())
                           .arg(inRoom.y())));
    }
}
