#include "files/roomsize.h"

namespace plandex {

namespace {

constexpr int extraWidth = 150;
constexpr int extraHeight = 37;
constexpr QSize smallestClient {385, 365};
constexpr int listBelowPlan = 30;
constexpr int raisedListHeight = 350;

} // namespace

bool roomSizeAcceptable(qint64 width, qint64 height)
{
    return width <= 700 && height <= 500 && width >= 50 && height >= 50;
}

WindowFit fitAround(QSize plan)
{
    WindowFit fit {plan + QSize(extraWidth, extraHeight), plan.height() + listBelowPlan};
    if (fit.client.height() < smallestClient.height()) {
        fit.client.setHeight(smallestClient.height());
        fit.listHeight = raisedListHeight;
    }
    if (fit.client.width() < smallestClient.width())
        fit.client.setWidth(smallestClient.width());
    return fit;
}

} // namespace plandex
