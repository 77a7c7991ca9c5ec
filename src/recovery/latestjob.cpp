#include "recovery/latestjob.h"

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

void LatestJobWorker::step(std::function<void()> step)
{
    const std::lock_guard lock(m_mutex);
    m_steps.push_back(std::move(step));
    ++m_stepsGiven;
}

void LatestJobWorker::post(std::function<void()> job)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_waiting)
            m_replaced.push_back(std::move(m_waiting));
        m_waiting = std::move(job);
        m_waitingAfter = m_stepsGiven;
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
        std::function<void()> job = std::move(m_waiting);
        m_waiting = nullptr;
        // Only the steps given before the job: later ones belong to a
        // change the poster has not finished yet.
        std::vector<std::function<void()>> steps;
        for (; m_stepsTaken < m_waitingAfter; ++m_stepsTaken) {
            steps.push_back(std::move(m_steps.front()));
            m_steps.pop_front();
        }
        std::vector<std::function<void()>> replaced;
        replaced.swap(m_replaced);
        m_running = true;
        lock.unlock();
        replaced.clear();
        for (const std::function<void()> &s : steps)
            s();
        job();
        // Freed here, not under the lock the poster waits for.
        steps.clear();
        job = nullptr;
        lock.lock();
        m_running = false;
        m_changed.notify_all();
    }
}

} // namespace plandex
