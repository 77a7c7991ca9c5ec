#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace plandex {

// A thread of its own for writes of which only the last state matters.
// Steps all run, in the order given; jobs run after the steps given before
// them, and only the newest waiting job counts: a job given while another
// still waits takes its place.
class LatestJobWorker
{
public:
    LatestJobWorker() = default;
    // Runs the job still waiting, then ends the thread.
    ~LatestJobWorker();
    LatestJobWorker(const LatestJobWorker &) = delete;
    LatestJobWorker &operator=(const LatestJobWorker &) = delete;

    void step(std::function<void()> step);
    void post(std::function<void()> job);
    // Returns when no job waits or runs.
    void wait();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::function<void()>> m_steps;
    // Steps given so far; steps the waiting job must see run first.
    size_t m_stepsGiven = 0;
    size_t m_stepsTaken = 0;
    size_t m_waitingAfter = 0;
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
