#include "view/zoomedplan.h"

#include "plan/plansurface.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <vector>

namespace plandex {

namespace {

// The first room pixel of device pixel d, at s device pixels a room pixel:
// room pixel x lies in device pixel floor(x * s).
int firstOf(int d, double s)
{
    return int(std::ceil(d / s - 1e-9));
}

QRect around(double left, double top, double right, double bottom)
{
    return QRect(QPoint(int(std::floor(left)), int(std::floor(top))),
        QPoint(int(std::ceil(right)) - 1, int(std::ceil(bottom)) - 1));
}

} // namespace

ZoomedPlan::ZoomedPlan(const PlanSurface &plan)
    : m_plan(plan)
{ }

void ZoomedPlan::setScale(int percent, qreal devicePixelRatio)
{
    const double zoom = percent / 100.0;
    if (zoom == m_zoom && devicePixelRatio == m_ratio)
        return;
    m_zoom = zoom;
    m_ratio = devicePixelRatio;
    m_small = QImage();
}

QSize ZoomedPlan::smallSize() const
{
    // Every device pixel of the view's room, also one the room only touches.
    const QRect view = around(0, 0, m_plan.width() * m_zoom, m_plan.height() * m_zoom);
    return {int(std::ceil(view.width() * m_ratio)), int(std::ceil(view.height() * m_ratio))};
}

void ZoomedPlan::changed(const QRect &area)
{
    if (m_small.isNull())
        return;
    if (m_small.size() != smallSize()) {
        m_small = QImage();
        return;
    }
    const double s = m_zoom * m_ratio;
    const QRect device
        = around(area.left() * s, area.top() * s, (area.right() + 1) * s, (area.bottom() + 1) * s)
        & m_small.rect();
    if (!device.isEmpty())
        shrink(device);
}

QRect ZoomedPlan::shownArea(const QRect &area, QPoint origin) const
{
    const double z = m_zoom;
    return around(origin.x() + area.left() * z, origin.y() + area.top() * z,
        origin.x() + (area.right() + 1) * z, origin.y() + (area.bottom() + 1) * z);
}

QRect ZoomedPlan::roomArea(const QRect &view, QPoint origin) const
{
    const double z = m_zoom;
    return around((view.left() - origin.x()) / z, (view.top() - origin.y()) / z,
               (view.right() + 1 - origin.x()) / z, (view.bottom() + 1 - origin.y()) / z)
        & QRect(QPoint(0, 0), m_plan.size());
}

std::optional<int> ZoomedPlan::paint(QPainter &painter, const QRect &target, QPoint origin)
{
    if (shrunk()) {
        if (m_small.size() != smallSize()) {
            m_small = QImage(smallSize(), QImage::Format_RGB32);
            shrink(m_small.rect());
        }
        const QPointF from = QPointF(target.topLeft() - origin) * m_ratio;
        painter.drawImage(QRectF(target), m_small, QRectF(from, QSizeF(target.size()) * m_ratio));
        return std::nullopt;
    }
    const QRect area = roomArea(target, origin);
    if (area.isEmpty())
        return -1;
    // Floor all of one colour is filled: the dimension lines cross it in
    // long strips, which cost a copy row by row.
    const int plain = m_plan.plainColour(area);
    if (plain != -1) {
        painter.fillRect(target, QColor(QRgb(plain)));
        return plain;
    }
    const QRectF shown(origin.x() + area.x() * m_zoom, origin.y() + area.y() * m_zoom,
        area.width() * m_zoom, area.height() * m_zoom);
    if (m_zoom <= 1.0 || !paintRuns(painter, area, origin))
        painter.drawImage(shown, m_plan.image(), QRectF(area));
    return -1;
}

bool ZoomedPlan::paintRuns(QPainter &painter, const QRect &area, QPoint origin) const
{
    // Rows of the area as runs of one stored value; a band of equal rows is
    // one box a run. The plan's few boxes make few runs, and filling them
    // writes each device pixel once.
    const QImage plan = m_plan.image();
    const bool indexed = plan.depth() == 8;
    auto value = [&](const uchar *line, int x) {
        return indexed ? uint(line[x]) : uint(reinterpret_cast<const QRgb *>(line)[x]);
    };
    struct Run {
        int left, right;
        uint value;
        bool operator==(const Run &) const = default;
    };
    struct Box {
        QRect area;
        uint value;
    };
    std::vector<Run> band, row;
    std::vector<Box> boxes;
    // Past this many boxes the area is a picture rather than a plan.
    const size_t most = 64 + size_t(area.width()) / 4;
    int bandTop = area.top();
    auto close = [&](int bottom) {
        for (const Run &run : band)
            boxes.push_back(
                {QRect(QPoint(run.left, bandTop), QPoint(run.right, bottom)), run.value});
    };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar *line = plan.constScanLine(y);
        row.clear();
        for (int x = area.left(); x <= area.right(); ++x) {
            const uint v = value(line, x);
            if (row.empty() || row.back().value != v)
                row.push_back({x, x, v});
            else
                row.back().right = x;
        }
        if (y > area.top() && row == band)
            continue;
        close(y - 1);
        if (boxes.size() + row.size() > most)
            return false;
        band.swap(row);
        bandTop = y;
    }
    close(area.bottom());
    for (const Box &box : boxes)
        painter.fillRect(shownArea(box.area, origin),
            QColor(indexed ? plan.color(int(box.value)) : QRgb(box.value)));
    return true;
}

void ZoomedPlan::shrink(const QRect &area)
{
    const QImage plan = m_plan.image();
    const double s = m_zoom * m_ratio;
    const bool indexed = plan.depth() == 8;
    std::array<QRgb, 256> colours {};
    if (indexed) {
        const QList<QRgb> table = plan.colorTable();
        std::copy(
            table.begin(), table.begin() + std::min<qsizetype>(table.size(), 256), colours.begin());
    }
    const int n = area.width();
    std::vector<int> column(size_t(n) + 1);
    for (int i = 0; i <= n; ++i)
        column[size_t(i)] = std::min(plan.width(), firstOf(area.left() + i, s));
    std::vector<quint32> sums(size_t(n) * 3);
    for (int dy = area.top(); dy <= area.bottom(); ++dy) {
        const int y0 = std::min(plan.height(), firstOf(dy, s));
        const int y1 = std::min(plan.height(), firstOf(dy + 1, s));
        std::fill(sums.begin(), sums.end(), 0);
        for (int y = y0; y < y1; ++y) {
            const uchar *line = plan.constScanLine(y);
            for (int i = 0; i < n; ++i) {
                quint32 *sum = &sums[size_t(i) * 3];
                for (int x = column[size_t(i)]; x < column[size_t(i) + 1]; ++x) {
                    const QRgb c
                        = indexed ? colours[line[x]] : reinterpret_cast<const QRgb *>(line)[x];
                    sum[0] += qRed(c);
                    sum[1] += qGreen(c);
                    sum[2] += qBlue(c);
                }
            }
        }
        auto *out = reinterpret_cast<QRgb *>(m_small.scanLine(dy)) + area.left();
        for (int i = 0; i < n; ++i) {
            const quint32 count
                = quint32(y1 - y0) * quint32(column[size_t(i) + 1] - column[size_t(i)]);
            const quint32 *sum = &sums[size_t(i) * 3];
            auto mean = [count](quint32 total) { return int((total + count / 2) / count); };
            out[i] = count == 0 ? qRgb(0, 0, 0) : qRgb(mean(sum[0]), mean(sum[1]), mean(sum[2]));
        }
    }
}

} // namespace plandex
