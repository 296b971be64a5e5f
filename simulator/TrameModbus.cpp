#include "simulator/TrameModbus.h"

#include "link/CrcModbus.h"
#include "simulator/Banc.h"

namespace {

constexpr uint8_t LECTURE = 0x03;
constexpr uint8_t ECRITURE = 0x10;
constexpr int MAX_LECTURE = 125;
constexpr int MAX_ECRITURE = 123;

std::vector<uint8_t> Exception(uint8_t fonction, uint8_t code) {
    return {static_cast<uint8_t>(fonction | 0x80), code};
}

uint16_t Mot(uint8_t haut, uint8_t bas) {
    return static_cast<uint16_t>(haut << 8 | bas);
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
        return 8 + decalage;
    case ECRITURE: {
        const std::size_t compte = 6 + decalage;
        if (debut.size() <= compte) return 0;
        return 9 + decalage + debut[compte];
    }
    default:
        return -1;
    }
}

std::vector<uint8_t> RequeteLectureRtu(uint16_t a, uint16_t n, int modele) {
    std::vector<uint8_t> t{ESCLAVE_VARIATEUR, LECTURE, static_cast<uint8_t>(a >> 8)};
    if (modele == 1) t.push_back(0);
    t.insert(t.end(),
             {static_cast<uint8_t>(a & 0xFF), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n & 0xFF)});
    AjouteCrc(t);
    return t;
}

std::vector<uint8_t> RequeteEcritureRtu(uint16_t a, std::span<const uint16_t> valeurs, int modele) {
    const auto n = static_cast<uint16_t>(valeurs.size());
    std::vector<uint8_t> t{ESCLAVE_VARIATEUR, ECRITURE, static_cast<uint8_t>(a >> 8)};
    if (modele == 1) t.push_back(0);
    t.insert(t.end(), {static_cast<uint8_t>(a & 0xFF), static_cast<uint8_t>(n >> 8),
                       static_cast<uint8_t>(n & 0xFF), static_cast<uint8_t>(2 * n)});
    for (uint16_t v : valeurs) {
        t.push_back(static_cast<uint8_t>(v >> 8));
        t.push_back(static_cast<uint8_t>(v & 0xFF));
    }
    AjouteCrc(t);
    return t;
}

std::vector<uint8_t> TEsclaveModbus::traitePdu(std::span<const uint8_t> pdu) {
    if (pdu.empty()) return {};
    const uint8_t fonction = pdu[0];
    if (fonction == LECTURE) {
        if (pdu.size() != 5) return Exception(fonction, EXCEPTION_VALEUR);
        const uint16_t a = Mot(pdu[1], pdu[2]), n = Mot(pdu[3], pdu[4]);
        if (n < 1 || n > MAX_LECTURE) return Exception(fonction, EXCEPTION_VALEUR);
        if (a + n > 0x10000) return Exception(fonction, EXCEPTION_ADRESSE);
        const auto valeurs = banc_.litRegistres(a, n);
        std::vector<uint8_t> r{fonction, static_cast<uint8_t>(2 * n)};
        for (uint16_t v : valeurs) {
            r.push_back(static_cast<uint8_t>(v >> 8));
            r.push_back(static_cast<uint8_t>(v & 0xFF));
        }
        return r;
    }
    if (fonction == ECRITURE) {
        if (pdu.size() < 6) return Exception(fonction, EXCEPTION_VALEUR);
        const uint16_t a = Mot(pdu[1], pdu[2]), n = Mot(pdu[3], pdu[4]);
        if (n < 1 || n > MAX_ECRITURE || pdu[5] != 2 * n || pdu.size() != 6u + 2 * n)
            return Exception(fonction, EXCEPTION_VALEUR);
        if (a + n > 0x10000) return Exception(fonction, EXCEPTION_ADRESSE);
        std::vector<uint16_t> valeurs;
        for (int i = 0; i < n; ++i)
            valeurs.push_back(Mot(pdu[6 + 2 * i], pdu[7 + 2 * i]));
        banc_.ecritRegistres(a, valeurs);
        return {fonction, pdu[1], pdu[2], pdu[3], pdu[4]};
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
    if (fonction == LECTURE || fonction == ECRITURE) {
        const int attendu = LongueurRequeteRtu(trame, modele_);
        if (attendu != static_cast<int>(trame.size())) return {};
        if (modele_ == 1) {
            // The zero byte between the address bytes is not part of the request itself.
            if (pdu[2] != 0) return {};
            pdu.erase(pdu.begin() + 2);
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
