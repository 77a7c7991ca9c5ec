#include "sheet/dxfwriter.h"

#include "model/codepage.h"

#include <charconv>

namespace plandex {

namespace {

// The text as the header's code page holds it: control characters, which
// would end a group, as blanks, and what the code page lacks as \U+XXXX.
QByteArray encoded(const QString &text)
{
    QString clean = text;
    for (QChar &c : clean)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u' ';
    if (const std::optional<QByteArray> bytes = encodeCodePage(clean))
        return *bytes;
    QByteArray out;
    for (QChar c : clean) {
        if (const std::optional<QByteArray> b = encodeCodePage(QStringView(&c, 1)))
            out += *b;
        else
            out += "\\U+" + QByteArray::number(c.unicode(), 16).toUpper().rightJustified(4, '0');
    }
    return out;
}

} // namespace

DxfWriter::DxfWriter(const QList<Layer> &layers, QPointF extentMin, QPointF extentMax)
{
    group(0, QByteArray("SECTION"));
    group(2, QByteArray("HEADER"));
    group(9, QByteArray("$ACADVER"));
    group(1, QByteArray("AC1009"));
    group(9, QByteArray("$DWGCODEPAGE"));
    group(3, QByteArray("ANSI_1251"));
    group(9, QByteArray("$INSUNITS"));
    group(70, QByteArray("5")); // centimetres
    group(9, QByteArray("$MEASUREMENT"));
    group(70, QByteArray("1")); // metric
    group(9, QByteArray("$EXTMIN"));
    point(10, extentMin);
    group(9, QByteArray("$EXTMAX"));
    point(10, extentMax);
    group(0, QByteArray("ENDSEC"));

    group(0, QByteArray("SECTION"));
    group(2, QByteArray("TABLES"));
    group(0, QByteArray("TABLE"));
    group(2, QByteArray("LTYPE"));
    group(70, QByteArray("1"));
    group(0, QByteArray("LTYPE"));
    group(2, QByteArray("CONTINUOUS"));
    group(70, QByteArray("0"));
    group(3, QByteArray("Solid line"));
    group(72, QByteArray("65"));
    group(73, QByteArray("0"));
    group(40, 0.0);
    group(0, QByteArray("ENDTAB"));
    group(0, QByteArray("TABLE"));
    group(2, QByteArray("LAYER"));
    group(70, QByteArray::number(layers.size()));
    for (const Layer &l : layers) {
        group(0, QByteArray("LAYER"));
        group(2, l.name);
        group(70, QByteArray("0"));
        group(62, QByteArray::number(l.colour));
        group(6, QByteArray("CONTINUOUS"));
    }
    group(0, QByteArray("ENDTAB"));
    group(0, QByteArray("ENDSEC"));

    group(0, QByteArray("SECTION"));
    group(2, QByteArray("ENTITIES"));
}

void DxfWriter::closedPolyline(const QString &layer, const QList<QPointF> &corners)
{
    polyline(layer, corners, true);
}

void DxfWriter::openPolyline(const QString &layer, const QList<QPointF> &points)
{
    polyline(layer, points, false);
}

void DxfWriter::polyline(const QString &layer, const QList<QPointF> &corners, bool closed)
{
    const QByteArray name = encoded(layer);
    group(0, QByteArray("POLYLINE"));
    group(8, name);
    group(66, QByteArray("1")); // vertices follow
    group(70, QByteArray(closed ? "1" : "0"));
    point(10, {});
    for (const QPointF &c : corners) {
        group(0, QByteArray("VERTEX"));
        group(8, name);
        point(10, c);
    }
    group(0, QByteArray("SEQEND"));
    group(8, name);
}

void DxfWriter::text(
    const QString &layer, QPointF middle, double height, const QString &text, double degrees)
{
    group(0, QByteArray("TEXT"));
    group(8, layer);
    point(10, middle);
    group(40, height);
    group(1, text);
    if (degrees != 0)
        group(50, degrees);
    group(72, QByteArray("1")); // centred
    point(11, middle);
    group(73, QByteArray("2")); // on its middle
}

QByteArray DxfWriter::finish()
{
    group(0, QByteArray("ENDSEC"));
    group(0, QByteArray("EOF"));
    return std::move(m_out);
}

void DxfWriter::group(int code, const QByteArray &value)
{
    // Written without building a text per number: a large room has
    // millions of them.
    char buffer[8];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, code).ptr;
    for (auto width = end - buffer; width < 3; ++width)
        m_out += ' ';
    m_out.append(buffer, end - buffer);
    m_out += '\n';
    m_out += value;
    m_out += '\n';
}

void DxfWriter::group(int code, double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    group(code, QByteArray::fromRawData(buffer, end - buffer));
}

void DxfWriter::group(int code, const QString &text)
{
    group(code, encoded(text));
}

void DxfWriter::point(int code, QPointF at)
{
    group(code, at.x());
    group(code + 10, at.y());
    group(code + 20, 0.0);
}

} // namespace plandex
