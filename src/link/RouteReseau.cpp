#include "RouteReseau.h"

#include "socle/ConfigGenerale.h"

namespace {

// The record the network library is started with; its meaning belongs to the library.
constexpr std::array<int32_t, 5> parametresReseau = {4, 190200, -1, 254, 0};

} // namespace

bool RouteReseau::ouvre() {
    if (m_inscrit) return true;
    BibliothequeReseau& b = m_comServer.bibliotheque();
    b.KNR_SetParameters(parametresReseau);
    const int32_t utilisateur = b.KNR_RegisterUser(1, 0, 0, 0);
    if (utilisateur < 0) return false;
    ApiHandle = utilisateur;
    AddressText = TexteAdresseIP(m_config);
    m_inscrit = true;
    return true;
}

void RouteReseau::relache() {
    if (!m_inscrit) return;
    m_comServer.bibliotheque().KNR_DeleteUser(ApiHandle);
    m_inscrit = false;
}

int32_t RouteReseau::lit(int menu, int parametre, int32_t& code) {
    return m_comServer.ComServerReadObject(ApiHandle, AddressText.toLatin1(), menu, parametre, code);
}

int32_t RouteReseau::litListe(int menu, int parametre, int n, Valeurs10& valeurs) {
    int32_t code = 0;
    m_comServer.ComServerReadObjectList(ApiHandle, AddressText.toLatin1(), menu, parametre, code, n, valeurs);
    return code;
}

int32_t RouteReseau::ecrit(int menu, int parametre, int32_t valeur) {
    return m_comServer.ComServerWriteObject(ApiHandle, AddressText.toLatin1(), menu, parametre, valeur);
}

int32_t RouteReseau::ecritListe(int menu, int parametre, const Valeurs10& valeurs, int n) {
    return m_comServer.ComServerWriteObjectList(ApiHandle, AddressText.toLatin1(), menu, parametre, valeurs,
                                                n);
}
