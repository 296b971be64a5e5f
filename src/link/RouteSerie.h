#pragma once
// The serial route: Modbus RTU frames on the serial port, in the frame layout of the drive model
// of the settings, with the drive's 10 ms pause between a read request and its reply.

#include "RouteRegistres.h"

#include <QByteArray>
#include <QString>

class Horloge;
class PortSerie;
struct TConfigGenerale;

class RouteSerie final : public RouteRegistres {
public:
    RouteSerie(PortSerie& port, Horloge& horloge, const TConfigGenerale& config)
        : m_port(port), m_horloge(horloge), m_config(config) {}

    // When set, the port opened instead of the one of the settings: the demo mode's
    // pseudo-terminal, whose path is longer than the settings hold and is not to be saved in them.
    QString NomPortImpose;

    bool ouvre() override;
    void relache() override;
    int32_t lit(int menu, int parametre, int32_t& code) override {
        return ReadRegRS232(menu, parametre, code);
    }
    int32_t litListe(int menu, int parametre, int n, Valeurs10& valeurs) override {
        int32_t code = 0;
        Read10RegRS232(menu, parametre, valeurs, n, code);
        return code;
    }
    int32_t ecrit(int menu, int parametre, int32_t valeur) override {
        return WriteRegRS232(menu, parametre, valeur);
    }
    int32_t ecritListe(int menu, int parametre, const Valeurs10& valeurs, int n) override {
        return Write10RegRS232(menu, parametre, valeurs, n);
    }

    // The four exchanges with their own result codes: 1 for a failed read of one register; 3 for a
    // list read whose reply is short or spoilt (its words are stored before the CRC verdict); 4 for
    // a write unanswered, 3 for a write answered with a bad CRC; 1 for a list write that failed.
    int32_t ReadRegRS232(int menu, int parametre, int32_t& code);
    void Read10RegRS232(int menu, int parametre, Valeurs10& valeurs, int n, int32_t& code);
    int32_t WriteRegRS232(int menu, int parametre, int32_t valeur);
    int32_t Write10RegRS232(int menu, int parametre, const Valeurs10& valeurs, int n);

    PortSerie& port() { return m_port; }

private:
    bool echange(const QByteArray& requete, bool lecture, int longueurReponse, QByteArray& reponse);
    int modele() const;

    PortSerie& m_port;
    Horloge& m_horloge;
    const TConfigGenerale& m_config;
};
