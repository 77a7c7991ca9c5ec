#pragma once

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QString>

namespace plandex {

// The small part of ASCII DXF that a plan needs, as release 12 has it and
// every CAD program reads it: a header with the units (centimetres), a
// table of layers, closed polylines and single-line texts. Text is in the
// Windows-1251 code page the header names, other characters as \U+XXXX.
// Coordinates are the drawing's own, the y axis pointing up.
class DxfWriter
{
public:
    struct Layer {
        QString name;
        int colour; // of the CAD palette: 7 is black on white
    };
    // extent: the drawing's corners, for the program's first view.
    DxfWriter(const QList<Layer> &layers, QPointF extentMin, QPointF extentMax);

    void closedPolyline(const QString &layer, const QList<QPointF> &corners);
    // A line through points, left open.
    void openPolyline(const QString &layer, const QList<QPointF> &points);
    // Centred on middle, turned by degrees counter-clockwise.
    void text(const QString &layer, QPointF middle, double height, const QString &text,
        double degrees = 0);

    // The file, ended.
    QByteArray finish();

private:
    void group(int code, const QByteArray &value);
    void group(int code, double value);
    void group(int code, const QString &text);
    void point(int code, QPointF at);
    void polyline(const QString &layer, const QList<QPointF> &points, bool closed);

    QByteArray m_out;
};

} // namespace plandex
