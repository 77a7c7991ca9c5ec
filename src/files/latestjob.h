#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace plandex {

// A thread of its own that runs jobs one after another, where only the
// newest waiting job counts: a job posted while another still waits takes
// its place. For writes of which only the last state matters.
class LatestJobWorker
{
public:
    LatestJobWorker() = default;
    // Runs the job still waiting, then ends the thread.
    ~LatestJobWorker();
    LatestJobWorker(const LatestJobWorker &) = delete;
    LatestJobWorker &operator=(const LatestJobWorker &) = delete;

    void post(std::function<void()> job);
    // Returns when no job waits or runs.
    void wait();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::function<void()> m_waiting;
    // Jobs replaced before they ran: what they hold may be large, and
    // freeing it is the worker's business, not the poster's.
    std::vector<std::function<void()>> m_replaced;
    bool m_running = false;
    bool m_stopping = false;
    // Started by the first job: a program that never posts one keeps no
    // thread.
    std::thread m_thread;
};

} // namespace plandex
