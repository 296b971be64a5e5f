#pragma once
// One register operation on the network route: one request to the library, then polling for
// its response. The result code is 0 on success, otherwise the request's error code or the
// whole response.

#include "BibliothequeReseau.h"

#include <array>

class ComServer {
public:
    // A library that never answers must not freeze the program: past this, the wait ends with
    // the code below.
    static constexpr int32_t codeDelaiDepasse = reponseKnr::compose(0, statutKnr::delai);
    int delaiMaxMs = 2000;

    explicit ComServer(BibliothequeReseau& bibliotheque) : m_b(bibliotheque) {}

    int32_t ComServerReadObject(int32_t utilisateur, const QByteArray& adresse, int menu, int parametre,
                                int32_t& code);
    void ComServerReadObjectList(int32_t utilisateur, const QByteArray& adresse, int menu, int parametre,
                                 int32_t& code, int n, std::array<int32_t, 10>& valeurs);
    int32_t ComServerWriteObject(int32_t utilisateur, const QByteArray& adresse, int menu, int parametre,
                                 int32_t valeur);
    int32_t ComServerWriteObjectList(int32_t utilisateur, const QByteArray& adresse, int menu, int parametre,
                                     const std::array<int32_t, 10>& valeurs, int n);

    BibliothequeReseau& bibliotheque() { return m_b; }

private:
    int32_t attendReponse(int32_t utilisateur, int32_t genre);
    BibliothequeReseau& m_b;
};
