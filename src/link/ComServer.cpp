#include "ComServer.h"

#include <QElapsedTimer>

int32_t ComServer::attendReponse(int32_t utilisateur, int32_t genre) {
    QElapsedTimer t;
    t.start();
    int32_t r = 0;
    while ((r = m_b.KNR_PollForResponse(utilisateur)) == 0)
        if (t.elapsed() > delaiMaxMs) return codeDelaiDepasse;
    return r == reponseKnr::compose(genre, reponseKnr::succes) ? 0 : r;
}

namespace {

std::array<TKnrObject, 10> liste(int menu, int parametre, const std::array<int32_t, 10>* valeurs) {
    std::array<TKnrObject, 10> l;
    for (int i = 0; i < 10; ++i)
        l[i] = TKnrObject::pour(menu, parametre + i, valeurs ? (*valeurs)[i] : 0);
    return l;
}

} // namespace

int32_t ComServer::ComServerReadObject(int32_t utilisateur, const QByteArray& adresse, int menu,
                                       int parametre, int32_t& code) {
    TKnrObject o = TKnrObject::pour(menu, parametre);
    code = m_b.KNR_ReadObject(utilisateur, adresse, &o);
    if (code == 0) code = attendReponse(utilisateur, reponseKnr::lecture);
    return code == 0 ? o.valeur() : -1;
}

void ComServer::ComServerReadObjectList(int32_t utilisateur, const QByteArray& adresse, int menu,
                                        int parametre, int32_t& code, int n,
                                        std::array<int32_t, 10>& valeurs) {
    auto l = liste(menu, parametre, nullptr);
    code = m_b.KNR_ReadObjectList(utilisateur, adresse, l.data(), n);
    if (code == 0) code = attendReponse(utilisateur, reponseKnr::lectureListe);
    if (code == 0)
        for (int i = 0; i < 10; ++i)
            valeurs[i] = l[i].valeur();
}

int32_t ComServer::ComServerWriteObject(int32_t utilisateur, const QByteArray& adresse, int menu,
                                        int parametre, int32_t valeur) {
    TKnrObject o = TKnrObject::pour(menu, parametre, valeur);
    const int32_t code = m_b.KNR_WriteObject(utilisateur, adresse, &o);
    return code != 0 ? code : attendReponse(utilisateur, reponseKnr::ecriture);
}

int32_t ComServer::ComServerWriteObjectList(int32_t utilisateur, const QByteArray& adresse, int menu,
                                            int parametre, const std::array<int32_t, 10>& valeurs, int n) {
    auto l = liste(menu, parametre, &valeurs);
    const int32_t code = m_b.KNR_WriteObjectList(utilisateur, adresse, l.data(), n);
    return code != 0 ? code : attendReponse(utilisateur, reponseKnr::ecritureListe);
}
