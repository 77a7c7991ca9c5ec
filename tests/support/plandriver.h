#pragma once

#include "app/mainwindow.h"
#include "view/planview.h"

#include <QRect>
#include <QTest>

// Sends real mouse events to the plan widget, at plan coordinates.
class PlanDriver
{
public:
    explicit PlanDriver(plandex::MainWindow &window)
        : m_view(window.findChild<plandex::PlanView *>("K"))
    {
        if (!m_view)
            qFatal("no plan view");
    }

    plandex::PlanView *view() const { return m_view; }

    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(m_view, button, {}, toWidget(at));
    }
    // Moves with whatever buttons are held.
    void move(QPoint at) { QTest::mouseMove(m_view, toWidget(at)); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(m_view, button, {}, toWidget(at));
    }
    // Press, moves in equal steps, release at the end point.
    void drag(QPoint from, QPoint to, int steps = 4)
    {
        press(from);
        for (int i = 1; i <= steps; ++i)
            move(from + (to - from) * i / steps);
        release(to);
    }
    // What the window system delivers for a double click: press, release,
    // double click, release.
    void doubleClick(QPoint at)
    {
        press(at);
        release(at);
        QTest::mouseDClick(m_view, Qt::LeftButton, {}, toWidget(at));
        release(at);
    }

private:
    QPoint toWidget(QPoint plan) const { return plan + m_view->contentsRect().topLeft(); }

    plandex::PlanView *m_view;
};
