#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts on the next modal window of the given kind once it is open, from
// inside its event loop; the caller then opens it (exec blocks until the
// action closes it). Watching stops when this object goes.
template<typename Dialog> class OnModal
{
public:
    explicit OnModal(std::function<void(Dialog *)> action)
        : m_action(std::move(action))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_timer.stop();
            m_fired = true;
            m_action(dialog);
        });
        m_timer.start();
    }
    OnModal(const OnModal &) = delete;
    OnModal &operator=(const OnModal &) = delete;

    bool fired() const { return m_fired; }

private:
    std::function<void(Dialog *)> m_action;
    QTimer m_timer;
    bool m_fired = false;
};
