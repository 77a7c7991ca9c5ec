#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

namespace plandex {

// The plan K: a persistent image exactly the room's size (1 cm = 1 px),
// black where nothing is drawn, over an optional background picture.
// Whatever is drawn stays until the surface is cleared.
//
// The plan holds a few colours, so it keeps one byte per pixel (an indexed
// image, the plan colours first); a picture or colour that a 256-entry
// table cannot hold turns it into 32-bit colour. Either way the pixels read
// back the same.
class PlanSurface
{
public:
    explicit PlanSurface(QSize size = {553, 361});

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QSize size() const { return m_image.size(); }
    // Keeps what is drawn at the top left; new area is background.
    void resize(QSize size);

    // Back to the background picture, or black without one.
    void clear();
    // Boxes between two corners, both included, in any order; clipped.
    void fillBox(qint32 x1, qint32 y1, qint32 x2, qint32 y2, int rgb);
    struct Box {
        qint32 x1, y1, x2, y2;
    };
    // The same as filling each box in turn, in time bounded by the number
    // of boxes and the plan's area however much they overlap.
    void fillBoxes(const std::vector<Box> &boxes, int rgb);
    void outlineBox(qint32 x1, qint32 y1, qint32 x2, qint32 y2, int rgb);
    // 0xRRGGBB of the pixel under a point, or -1 outside the plan.
    int point(double x, double y) const;
    // The one colour of every pixel of an area on the plan, as 0xRRGGBB;
    // -1 when the area holds more than one or does not lie on the plan.
    int plainColour(const QRect &area) const;

    // The drawn image as a picture (a shallow copy, indexed or 32-bit).
    QImage image() const { return m_image; }
    // Makes the picture the background and shows it; the surface shows
    // exactly the picture afterwards.
    void setPicture(const QImage &picture);
    void clearPicture();
    bool hasPicture() const { return !m_picture.isNull(); }

    // From now on keeps the pixels under every box before drawing it, so
    // that restoreSaved() brings back the image as it is now by writing
    // only those pixels. Anything that repaints the whole image (clear,
    // a picture, a resize) ends it.
    void saveUnder();
    bool saving() const { return m_saving; }
    // Forgets the saved pixels: the image as it is stays.
    void stopSaving();
    // Puts back what the boxes drawn since saveUnder() covered, last box
    // first, and goes on saving.
    void restoreSaved();
    // The image as it was at saveUnder() (a copy); null when not saving.
    QImage savedImage() const;
    // Bytes kept to put back: past one image's worth, the image as it was
    // is kept whole instead, however much is drawn while saving.
    qsizetype savedBytes() const { return m_savedBytes; }

    // Called after a change, so that a view can repaint; once until the
    // view reports the image shown. changedArea() is where the image
    // changed since then.
    void setChangedCallback(std::function<void()> callback) { m_changed = std::move(callback); }
    QRect changedArea() const { return m_changedArea; }
    void markShown()
    {
        m_notified = false;
        m_changedArea = QRect();
    }

private:
    // Raw bytes of the image under a box, line after line; none when the
    // box was all one stored value.
    struct Saved {
        QRect area;
        std::vector<uchar> bytes;
        uint solid = 0;
    };

    // The byte index or 32-bit value that stores a colour.
    uint pixelValue(int rgb);
    void toTrueColour();
    void fillClipped(qint64 left, qint64 top, qint64 right, qint64 bottom, int rgb);
    void fillUnion(std::vector<QRect> areas, const QRect &bound, int rgb);
    // While saving: keeps the pixels of an area before it is drawn over.
    // The test is inline, as most boxes are drawn while not saving.
    void keepPixels(const QRect &area)
    {
        if (m_saving && !m_savedWhole)
            keepPixelsUnder(area);
    }
    void keepPixelsUnder(const QRect &area);
    void forgetSaved();
    void paintBackground();
    void changed(const QRect &area);
    void changedAll() { changed(m_image.rect()); }
    static void putBack(QImage &image, const Saved &saved);

    QImage m_image;
    QImage m_picture;
    std::function<void()> m_changed;
    bool m_notified = false;
    QRect m_changedArea;
    bool m_saving = false;
    std::vector<Saved> m_saved;
    qsizetype m_savedBytes = 0;
    // m_saved is the whole image as it was: nothing more needs keeping.
    bool m_savedWhole = false;
    // The last box filled, while nothing else has been drawn since: what
    // lies under it need not be copied to be kept (a grabbed object is cut
    // out in black and drawn again at once).
    QRect m_lastFill;
    uint m_lastFillValue = 0;
};

} // namespace plandex
