#pragma once
// The network route: the network library, registered as one user, talking to the drive whose
// address the settings give.

#include "ComServer.h"
#include "RouteRegistres.h"

#include <QString>

struct TConfigGenerale;

class RouteReseau final : public RouteRegistres {
public:
    RouteReseau(BibliothequeReseau& bibliotheque, const TConfigGenerale& config)
        : m_comServer(bibliotheque), m_config(config) {}

    int32_t ApiHandle = -1;
    QString AddressText;

    // Hands the library its fixed record and registers a user, once.
    bool ouvre() override;
    void relache() override;
    int32_t lit(int menu, int parametre, int32_t& code) override;
    int32_t litListe(int menu, int parametre, int n, Valeurs10& valeurs) override;
    int32_t ecrit(int menu, int parametre, int32_t valeur) override;
    int32_t ecritListe(int menu, int parametre, const Valeurs10& valeurs, int n) override;

    ComServer& comServer() { return m_comServer; }

private:
    ComServer m_comServer;
    const TConfigGenerale& m_config;
    bool m_inscrit = false;
};
