#include "FilEchanges.h"

#include <future>

FilEchanges::FilEchanges() : m_fil([this] { boucle(); }) {}

FilEchanges::~FilEchanges() {
    {
        std::lock_guard l(m_verrou);
        m_fin = true;
    }
    m_signal.notify_one();
    m_fil.join();
}

void FilEchanges::boucle() {
    for (;;) {
        std::function<void()> tache;
        {
            std::unique_lock l(m_verrou);
            m_signal.wait(l, [this] { return m_fin || !m_file.empty(); });
            if (m_file.empty()) return;
            tache = std::move(m_file.front());
            m_file.pop_front();
        }
        tache();
    }
}

void FilEchanges::poste(std::function<void()> tache) {
    {
        std::lock_guard l(m_verrou);
        m_file.push_back(std::move(tache));
    }
    m_signal.notify_one();
}

void FilEchanges::execute(const std::function<void()>& tache) {
    if (surLeFil()) {
        tache();
        return;
    }
    std::promise<void> fait;
    poste([&] {
        tache();
        fait.set_value();
    });
    fait.get_future().wait();
}
