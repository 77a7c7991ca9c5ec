#pragma once

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
    // Paints over K within area (room pixels); the painter's transform
    // maps room pixels to the view.
    void paint(QPainter &painter, const QRect &area) const;

    // The view's font at the pixel size it shows: a size on the device, as
    // the drawing routines take it.
    static QFont fontFor(const QFont &viewFont);
    // The colour of the dimension lines and their numbers.
    static QColor lineColor();

private:
    void paintLabels(QPainter &painter, const QRect &area) const;
    void labelsIn(QPainter &painter, const ObjectTable &table, const QRegion &region,
        const QColor &color) const;

    const Editor &m_editor;
    QFont m_font;
    std::optional<Editor::DragPreview> m_preview;
    Clearances m_clearances;
    QRegion m_lines;
    // The preview as a row, for the one routine that labels objects: the
    // dragged object's name at its new place and size, a new one's size.
    std::unique_ptr<ObjectTable> m_previewTable;
};

} // namespace plandex
