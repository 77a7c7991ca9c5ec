#include "view/zoomsteps.h"

#include <algorithm>

namespace plandex {

int zoomStepUp(int percent)
{
    const auto above = std::upper_bound(zoomSteps.begin(), zoomSteps.end(), percent);
    return above == zoomSteps.end() ? zoomSteps.back() : *above;
}

int zoomStepDown(int percent)
{
    const auto below = std::lower_bound(zoomSteps.begin(), zoomSteps.end(), percent);
    return below == zoomSteps.begin() ? zoomSteps.front() : *(below - 1);
}

QSize zoomedSize(QSize room, int percent)
{
    auto side = [percent](int cm) { return int((qint64(cm) * percent + 99) / 100); };
    return {side(room.width()), side(room.height())};
}

int fittingZoom(QSize room, QSize space)
{
    for (auto step = zoomSteps.rbegin(); step != zoomSteps.rend(); ++step) {
        const QSize shown = zoomedSize(room, *step);
        if (shown.width() <= space.width() && shown.height() <= space.height())
            return *step;
    }
    return zoomSteps.front();
}

} // namespace plandex
