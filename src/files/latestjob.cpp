#include "files/latestjob.h"

namespace plandex {

LatestJobWorker::~LatestJobWorker()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void LatestJobWorker::post(std::function<void()> job)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_waiting)
            m_replaced.push_back(std::move(m_waiting));
        m_waiting = std::move(job);
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_changed.notify_all();
}

void LatestJobWorker::wait()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_waiting && !m_running; });
}

void LatestJobWorker::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_waiting || m_stopping; });
        if (!m_waiting)
            return;
        const std::function<void()> job = std::move(m_waiting);
        m_waiting = nullptr;
        std::vector<std::function<void()>> replaced;
        replaced.swap(m_replaced);
        m_running = true;
        lock.unlock();
        replaced.clear();
        job();
        lock.lock();
        m_running = false;
        m_changed.notify_all();
    }
}

} // namespace plandex
