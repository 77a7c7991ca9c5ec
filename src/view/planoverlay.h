#pragma once

#include "drawing/clearancedrawing.h"
#include "plan/editor.h"

#include <QFont>
#include <QRegion>

#include <memory>
#include <optional>

class QPainter;

namespace plandex {

// What the plan view shows over K when names and distances are on: each
// object's name and size inside it and, while a drag shows a preview, the
// distances from the preview to what stops it on each side. Only the view
// shows it; K, the table and the snapshot never hold any of it.
class PlanOverlay
{
public:
    // Lettering in the view's font.
    PlanOverlay(const Editor &editor, const QFont &viewFont);
    ~PlanOverlay();

    // Takes the drag's preview as the editor shows it now. Returns where
    // the dimension lines were and are now, in room pixels: outside the
    // preview, so beyond what K reports changed.
    QRegion follow();
    // Paint over K, the painter's transform mapping room pixels to the
    // view: the labels of the objects within area (room pixels), and the
    // dimension lines once over all that a repaint covers.
    void paintLabels(QPainter &painter, const QRect &area) const;
    void paintLines(QPainter &painter, const QRegion &area) const;

    // The full name and size of the object at a room point, as plain
    // text, for a tooltip; empty over the floor.
    QString toolTipAt(QPointF roomPoint) const;

    // After any change of the table.
    void tableChanged() { m_labelsFit.reset(); }
    // View pixels a centimetre: what follow() returns and paintLines()
    // paints is in room centimetres times zoom.
    void setZoom(double zoom)
    {
        m_zoom = zoom;
        m_labelsFit.reset();
    }

    // The view's font at the pixel size it shows: a size on the device, as
    // the drawing routines take it.
    static QFont fontFor(const QFont &viewFont);

private:
    void labelsIn(QPainter &painter, const ObjectTable &table, const QRegion &region,
        const QColor &color) const;
    // Whether any object is tall enough for a line of its label: only then
    // are the labels of the room asked for.
    bool labelsFit() const;
    // The labels routine leaves out objects lower than a line.
    bool fitsLabel(qint64 height) const { return double(height) * m_zoom >= m_lineHeight; }

    const Editor &m_editor;
    QFont m_font;
    std::optional<Editor::DragPreview> m_preview;
    ClearanceDrawing m_lines;
    double m_lineHeight;
    double m_zoom = 1.0;
    bool m_previewLabelled = false;
    QRegion m_linesArea;
    mutable std::optional<bool> m_labelsFit;
    // The preview as a row, for the one routine that labels objects: the
    // dragged object's name at its new place and size.
    std::unique_ptr<ObjectTable> m_previewTable;
};

} // namespace plandex
