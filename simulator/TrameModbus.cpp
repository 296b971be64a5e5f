#include "simulator/TrameModbus.h"

#include "link/CrcModbus.h"
#include "simulator/Banc.h"

namespace {

constexpr uint8_t LECTURE = 0x03;
constexpr uint8_t ECRITURE_UN = 0x06;
constexpr uint8_t ECRITURE = 0x10;
constexpr uint8_t LECTURE_ECRITURE = 0x17;
constexpr int MAX_LECTURE = 125;
constexpr int MAX_ECRITURE = 123;
constexpr int MAX_ECRITURE_LE = 121; // function 23: what is left of the frame after its header

std::vector<uint8_t> Exception(uint8_t fonction, uint8_t code) {
    return {static_cast<uint8_t>(fonction | 0x80), code};
}

uint16_t Mot(uint8_t haut, uint8_t bas) {
    return static_cast<uint16_t>(haut << 8 | bas);
}

bool DansLaCarte(uint16_t a, int n) {
    return a + n <= NB_REGISTRES;
}

std::vector<uint16_t> Valeurs(std::span<const uint8_t> octets) {
    std::vector<uint16_t> v;
    for (std::size_t i = 0; i + 1 < octets.size(); i += 2)
        v.push_back(Mot(octets[i], octets[i + 1]));
    return v;
}

std::vector<uint8_t> ReponseLecture(uint8_t fonction, const std::vector<uint16_t>& valeurs) {
    std::vector<uint8_t> r{fonction, static_cast<uint8_t>(2 * valeurs.size())};
    for (uint16_t v : valeurs) {
        r.push_back(static_cast<uint8_t>(v >> 8));
        r.push_back(static_cast<uint8_t>(v & 0xFF));
    }
    return r;
}

} // namespace

void AjouteCrc(std::vector<uint8_t>& trame) {
    const uint16_t crc = calculcrc(trame.size(), trame.data());
    trame.push_back(static_cast<uint8_t>(crc & 0xFF));
    trame.push_back(static_cast<uint8_t>(crc >> 8));
}

bool CrcValide(std::span<const uint8_t> trame) {
    if (trame.size() < 4) return false;
    const std::size_t n = trame.size() - 2;
    return calculcrc(n, trame.data()) == Mot(trame[n + 1], trame[n]);
}

int LongueurRequeteRtu(std::span<const uint8_t> debut, int modele) {
    if (debut.size() < 2) return 0;
    const int decalage = modele == 1 ? 1 : 0;
    switch (debut[1]) {
    case LECTURE:
    case ECRITURE_UN:
        return 8 + decalage;
    case ECRITURE: {
        const std::size_t compte = 6 + decalage;
        if (debut.size() <= compte) return 0;
        return 9 + decalage + debut[compte];
    }
    case LECTURE_ECRITURE: {
        // Two addresses, so model 1 puts two zero bytes in.
        const std::size_t compte = 10 + 2 * decalage;
        if (debut.size() <= compte) return 0;
        return 13 + 2 * decalage + debut[compte];
    }
    default:
        return -1;
    }
}

std::vector<uint8_t> RequeteRtu(std::span<const uint8_t> pdu, int modele) {
    std::vector<uint8_t> t;
    t.reserve(pdu.size() + 5);
    t.push_back(ESCLAVE_VARIATEUR);
    t.insert(t.end(), pdu.begin(), pdu.end());
    const bool adresse = !pdu.empty() && (pdu[0] == LECTURE || pdu[0] == ECRITURE_UN || pdu[0] == ECRITURE ||
                                          pdu[0] == LECTURE_ECRITURE);
    if (modele == 1 && adresse) {
        // After the high byte of the write address first, while the positions are still standard.
        if (t[1] == LECTURE_ECRITURE && t.size() > 7) t.insert(t.begin() + 7, 0);
        if (t.size() > 3) t.insert(t.begin() + 3, 0);
    }
    AjouteCrc(t);
    return t;
}

std::vector<uint8_t> RequeteLectureRtu(uint16_t a, uint16_t n, int modele) {
    const uint8_t pdu[] = {LECTURE, static_cast<uint8_t>(a >> 8), static_cast<uint8_t>(a & 0xFF),
                           static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n & 0xFF)};
    return RequeteRtu(pdu, modele);
}

std::vector<uint8_t> RequeteEcritureRtu(uint16_t a, std::span<const uint16_t> valeurs, int modele) {
    const auto n = static_cast<uint16_t>(valeurs.size());
    std::vector<uint8_t> pdu{ECRITURE,
                             static_cast<uint8_t>(a >> 8),
                             static_cast<uint8_t>(a & 0xFF),
                             static_cast<uint8_t>(n >> 8),
                             static_cast<uint8_t>(n & 0xFF),
                             static_cast<uint8_t>(2 * n)};
    for (uint16_t v : valeurs) {
        pdu.push_back(static_cast<uint8_t>(v >> 8));
        pdu.push_back(static_cast<uint8_t>(v & 0xFF));
    }
    return RequeteRtu(pdu, modele);
}

// Checks in the order of the Modbus standard: the function (01), the counts (03), the map (02).
std::vector<uint8_t> TEsclaveModbus::traitePdu(std::span<const uint8_t> pdu) {
    if (pdu.empty()) return {};
    const uint8_t fonction = pdu[0];
    if (fonction == LECTURE) {
        if (pdu.size() != 5) return Exception(fonction, EXCEPTION_VALEUR);
        const uint16_t a = Mot(pdu[1], pdu[2]), n = Mot(pdu[3], pdu[4]);
        if (n < 1 || n > MAX_LECTURE) return Exception(fonction, EXCEPTION_VALEUR);
        if (!DansLaCarte(a, n)) return Exception(fonction, EXCEPTION_ADRESSE);
        return ReponseLecture(fonction, banc_.litRegistres(a, n));
    }
    if (fonction == ECRITURE_UN) {
        if (pdu.size() != 5) return Exception(fonction, EXCEPTION_VALEUR);
        const uint16_t a = Mot(pdu[1], pdu[2]);
        if (!DansLaCarte(a, 1)) return Exception(fonction, EXCEPTION_ADRESSE);
        banc_.ecritRegistre(a, Mot(pdu[3], pdu[4]));
        return {pdu.begin(), pdu.end()};
    }
    if (fonction == ECRITURE) {
        if (pdu.size() < 6) return Exception(fonction, EXCEPTION_VALEUR);
        const uint16_t a = Mot(pdu[1], pdu[2]), n = Mot(pdu[3], pdu[4]);
        if (n < 1 || n > MAX_ECRITURE || pdu[5] != 2 * n || pdu.size() != 6u + 2 * n)
            return Exception(fonction, EXCEPTION_VALEUR);
        if (!DansLaCarte(a, n)) return Exception(fonction, EXCEPTION_ADRESSE);
        banc_.ecritRegistres(a, Valeurs(pdu.subspan(6)));
        return {fonction, pdu[1], pdu[2], pdu[3], pdu[4]};
    }
    if (fonction == LECTURE_ECRITURE) {
        if (pdu.size() < 10) return Exception(fonction, EXCEPTION_VALEUR);
        const uint16_t lue = Mot(pdu[1], pdu[2]), nLus = Mot(pdu[3], pdu[4]);
        const uint16_t ecrite = Mot(pdu[5], pdu[6]), nEcrits = Mot(pdu[7], pdu[8]);
        if (nLus < 1 || nLus > MAX_LECTURE || nEcrits < 1 || nEcrits > MAX_ECRITURE_LE ||
            pdu[9] != 2 * nEcrits || pdu.size() != 10u + 2 * nEcrits)
            return Exception(fonction, EXCEPTION_VALEUR);
        if (!DansLaCarte(lue, nLus) || !DansLaCarte(ecrite, nEcrits))
            return Exception(fonction, EXCEPTION_ADRESSE);
        // The write is carried out before the read, so a read over the written registers sees them.
        banc_.ecritRegistres(ecrite, Valeurs(pdu.subspan(10)));
        return ReponseLecture(fonction, banc_.litRegistres(lue, nLus));
    }
    return Exception(fonction, EXCEPTION_FONCTION);
}

std::vector<uint8_t> TEsclaveModbus::requeteRtu(std::span<const uint8_t> trame) {
    if (trame.size() < 4 || !CrcValide(trame)) return {};
    const uint8_t esclave = trame[0];
    // Broadcasts (address 0) are carried out and never answered; other slaves are not us.
    if (esclave != ESCLAVE_VARIATEUR && esclave != 0) return {};
    std::vector<uint8_t> pdu(trame.begin() + 1, trame.end() - 2);
    const uint8_t fonction = pdu[0];
    const int attendu = LongueurRequeteRtu(trame, modele_);
    if (attendu != -1) {
        if (attendu != static_cast<int>(trame.size())) return {};
        if (modele_ == 1) {
            // The zero byte between the bytes of each address is not part of the request itself:
            // one after the first address, one more after the write address of function 23.
            if (pdu[2] != 0) return {};
            pdu.erase(pdu.begin() + 2);
            if (fonction == LECTURE_ECRITURE) {
                if (pdu[6] != 0) return {};
                pdu.erase(pdu.begin() + 6);
            }
        }
    }
    auto reponse = traitePdu(pdu);
    if (esclave == 0) return {};
    reponse.insert(reponse.begin(), ESCLAVE_VARIATEUR);
    AjouteCrc(reponse);
    return reponse;
}

std::vector<uint8_t> TEsclaveModbus::requeteTcp(std::span<const uint8_t> adu) {
    // MBAP header: transaction (2), protocol 0 (2), length of what follows (2), unit (1).
    if (adu.size() < 8) return {};
    const uint16_t protocole = Mot(adu[2], adu[3]), longueur = Mot(adu[4], adu[5]);
    if (protocole != 0 || longueur + 6u != adu.size()) return {};
    const uint8_t unite = adu[6];
    std::vector<uint8_t> pdu(adu.begin() + 7, adu.end());
    // Unit 1 is the drive; 255 is how a client names "the server itself" on TCP.
    auto reponse = (unite == ESCLAVE_VARIATEUR || unite == 0xFF) ? traitePdu(pdu)
                                                                 : Exception(pdu[0], EXCEPTION_PASSERELLE);
    const auto n = static_cast<uint16_t>(reponse.size() + 1);
    std::vector<uint8_t> r{adu[0], adu[1], 0, 0, static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n & 0xFF),
                           unite};
    r.insert(r.end(), reponse.begin(), reponse.end());
    return r;
}
