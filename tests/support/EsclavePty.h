#pragma once
// The scripted slave served on a pseudo-terminal from a thread of its own.

#include "EsclaveScripte.h"
#include "Pty.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

class EsclavePty {
public:
    Pty pty;
    // Pause between two bytes of a reply (0: all at once); 520 us is the pace of 19200 baud.
    std::atomic<int> microsParOctet{0};

    EsclavePty() {
        m_fil = std::thread([this] { sert(); });
    }
    ~EsclavePty() {
        m_fin = true;
        m_fil.join();
    }

    template <typename F> auto avec(F f) {
        std::lock_guard<std::mutex> verrou(m_mutex);
        return f(m_esclave);
    }

private:
    void sert() {
        QByteArray recu;
        while (!m_fin) {
            const QByteArray b = pty.lit(256, 20);
            if (b.isEmpty()) continue;
            recu += b;
            for (;;) {
                QByteArray reponse;
                {
                    std::lock_guard<std::mutex> verrou(m_mutex);
                    const int n = m_esclave.longueurRequete(recu);
                    if (n == 0 || recu.size() < n) break;
                    reponse = m_esclave.repond(recu.left(n));
                    recu.remove(0, n);
                }
                if (microsParOctet == 0) {
                    pty.ecrit(reponse);
                } else {
                    for (char c : reponse) {
                        std::this_thread::sleep_for(std::chrono::microseconds(microsParOctet.load()));
                        pty.ecrit(QByteArray(1, c));
                    }
                }
            }
        }
    }

    EsclaveScripte m_esclave;
    std::mutex m_mutex;
    std::atomic<bool> m_fin{false};
    std::thread m_fil;
};
