#include "PortBanc.h"

#include "simulator/Banc.h"

#include <algorithm>
#include <span>

namespace {

// At most this much simulated time at once, after the program stood still (a modal dialog).
constexpr qint64 RATTRAPAGE_MAX_MS = 1000;

std::span<const uint8_t> Octets(const QByteArray& b) {
    return {reinterpret_cast<const uint8_t*>(b.constData()), static_cast<std::size_t>(b.size())};
}

} // namespace

void PortBanc::branche(TBanc& banc, int modele) {
    m_banc = &banc;
    m_esclave.emplace(banc, modele);
    m_horloge.start();
}

bool PortBanc::ouvre(const QString& nom) {
    purge();
    m_ouvert = !nom.isEmpty();
    return m_ouvert;
}

void PortBanc::purge() {
    m_requete.clear();
    m_reponse.clear();
}

void PortBanc::suitHorloge() {
    if (!m_banc) return;
    const qint64 ms = std::min(m_horloge.restart(), RATTRAPAGE_MAX_MS);
    m_banc->avance(double(ms) / 1000);
}

bool PortBanc::ecrit(const QByteArray& octets) {
    if (!m_ouvert) return false;
    if (!m_esclave) return true; // nobody on the line yet: the bytes are lost
    suitHorloge();
    m_requete += octets;
    // Whole frames by their announced length; one of unknown length ends with the write, as the
    // silence after it would end it on a line.
    while (!m_requete.isEmpty()) {
        const int n = LongueurRequeteRtu(Octets(m_requete), m_esclave->modele());
        if (n == 0 || n > m_requete.size()) break;
        const QByteArray trame = n < 0 ? m_requete : m_requete.left(n);
        m_requete.remove(0, trame.size());
        const auto reponse = m_esclave->requeteRtu(Octets(trame));
        m_reponse.append(reinterpret_cast<const char*>(reponse.data()), qsizetype(reponse.size()));
    }
    return true;
}

bool PortBanc::lit(int k, QByteArray& recu) {
    recu.clear();
    if (!m_ouvert || k < 0 || m_reponse.size() < k) {
        m_reponse.clear(); // what a timed-out read left is not the next reply
        return false;
    }
    recu = m_reponse.left(k);
    m_reponse.remove(0, k);
    return true;
}
