#pragma once
// A small Modbus RTU slave for the link's tests: registers in a map, both request layouts, and
// the faults a drive or a cable can show.

#include "link/CrcModbus.h"

#include <QByteArray>

#include <cstdint>
#include <deque>
#include <map>
#include <vector>

class EsclaveScripte {
public:
    enum class Defaut { Aucun, Silence, MauvaisCrc, Court, Exception, OctetEnTrop };

    int modele = 0;
    Defaut defaut = Defaut::Aucun;
    std::deque<Defaut> prochains; // faults of the next requests, one each; then `defaut`
    std::map<uint16_t, uint16_t> registres;
    std::vector<QByteArray> requetes; // every request received, as received

    // Length of the request whose first bytes are `debut`, or 0 while more bytes are needed.
    int longueurRequete(const QByteArray& debut) const {
        const int decalage = modele == 1 ? 1 : 0;
        if (debut.size() < 2) return 0;
        if (uint8_t(debut[1]) == 16) {
            if (debut.size() < 7 + decalage) return 0;
            return 9 + decalage + uint8_t(debut[6 + decalage]);
        }
        return 8 + decalage;
    }

    // The reply to a whole request (empty: silence).
    QByteArray repond(const QByteArray& requete) {
        requetes.push_back(requete);
        const auto o = [&requete](int i) { return uint8_t(requete[i]); };
        const int d = modele == 1 ? 1 : 0;
        const uint16_t adresse = uint16_t(o(2) << 8 | o(3 + d));
        const int n = o(5 + d);
        const uint8_t fonction = o(1);
        Defaut defaut = this->defaut;
        if (!prochains.empty()) {
            defaut = prochains.front();
            prochains.pop_front();
        }
        if (defaut == Defaut::Silence) return {};
        QByteArray r;
        r.append(char(1));
        if (defaut == Defaut::Exception) {
            r.append(char(fonction | 0x80)).append(char(2));
            return avecCrc(r);
        }
        r.append(char(fonction));
        if (fonction == 3) {
            r.append(char(2 * n));
            for (int i = 0; i < n; ++i) {
                const uint16_t v = registres[uint16_t(adresse + i)];
                r.append(char(v >> 8)).append(char(v & 0xFF));
            }
        } else {
            for (int i = 0; i < n; ++i)
                registres[uint16_t(adresse + i)] = uint16_t(o(7 + d + 2 * i) << 8 | o(8 + d + 2 * i));
            r.append(char(adresse >> 8)).append(char(adresse & 0xFF)).append('\0').append(char(n));
        }
        r = avecCrc(r);
        if (defaut == Defaut::MauvaisCrc) r[r.size() - 1] = char(r[r.size() - 1] ^ 0x5A);
        if (defaut == Defaut::Court) r.chop(1);
        if (defaut == Defaut::OctetEnTrop) r.append('\x55');
        return r;
    }

    static QByteArray avecCrc(QByteArray t) {
        const uint16_t crc =
            calculcrc(std::size_t(t.size()), reinterpret_cast<const uint8_t*>(t.constData()));
        t.append(char(crc & 0xFF)).append(char(crc >> 8));
        return t;
    }
};
