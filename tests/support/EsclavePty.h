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
    // Time of one byte on the line in microseconds (0: everything at once). 521 is 19200 baud:
    // the request is taken as arriving at that pace, and the reply leaves at it.
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
        using horloge = std::chrono::steady_clock;
        QByteArray recu;
        horloge::time_point debutRequete;
        while (!m_fin) {
            const QByteArray b = pty.lit(256, 20);
            if (b.isEmpty()) continue;
            if (recu.isEmpty()) debutRequete = horloge::now();
            recu += b;
            for (;;) {
                QByteArray reponse;
                int n = 0;
                {
                    std::lock_guard<std::mutex> verrou(m_mutex);
                    n = m_esclave.longueurRequete(recu);
                    if (n == 0 || recu.size() < n) break;
                    reponse = m_esclave.repond(recu.left(n));
                    recu.remove(0, n);
                }
                const auto octet = std::chrono::microseconds(microsParOctet.load());
                if (octet.count() == 0) {
                    pty.ecrit(reponse);
                } else {
                    // On a real line the last byte of the request arrives n byte-times after the first.
                    auto t = debutRequete + n * octet;
                    for (char c : reponse) {
                        t += octet;
                        std::this_thread::sleep_until(t);
                        pty.ecrit(QByteArray(1, c));
                    }
                }
                debutRequete = horloge::now();
            }
        }
    }

    EsclaveScripte m_esclave;
    std::mutex m_mutex;
    std::atomic<bool> m_fin{false};
    std::thread m_fil;
};
