#pragma once
// A thread of the link's own for the exchanges with the drive: a drive that keeps the line waiting
// then holds this thread, never a window. The exchanges run one at a time, in the order they were
// asked.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class FilEchanges {
public:
    FilEchanges();
    // Runs what is still queued, then ends the thread.
    ~FilEchanges();
    FilEchanges(const FilEchanges&) = delete;
    FilEchanges& operator=(const FilEchanges&) = delete;

    // Runs `tache` on the thread after what is queued, and waits for it; on the thread itself,
    // runs it at once.
    void execute(const std::function<void()>& tache);
    // Queues `tache` and returns at once.
    void poste(std::function<void()> tache);
    bool surLeFil() const { return std::this_thread::get_id() == m_fil.get_id(); }

private:
    void boucle();

    std::mutex m_verrou;
    std::condition_variable m_signal;
    std::deque<std::function<void()>> m_file;
    bool m_fin = false;
    std::thread m_fil;
};
