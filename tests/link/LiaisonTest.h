#pragma once
// A link wired to an in-memory port, a fake clock, its own settings and work.

#include "DialoguesScriptes.h"
#include "HorlogeFactice.h"
#include "PortMemoire.h"
#include "link/MachineDuTravail.h"
#include "socle/ConfigGenerale.h"
#include "work/EtatEtude.h"

#include <gtest/gtest.h>

#include <memory>

// A network library that answers every request at once from a register map.
class BibliothequeMemoire final : public BibliothequeReseau {
public:
    std::map<std::pair<int, int>, int32_t> parametres; // (menu, parameter) -> value
    int32_t handle = 0;
    int32_t refus = 0;         // non-zero: every request is refused with this code
    int32_t reponseForcee = 0; // non-zero: the response to every request
    bool muette = false;       // never responds
    int supprimes = 0;
    std::array<int32_t, 5> parametresRecus{};

    int32_t KNR_SetParameters(const std::array<int32_t, 5>& p) override {
        parametresRecus = p;
        return 0;
    }
    int32_t KNR_RegisterUser(int32_t, int32_t, int32_t, int32_t) override { return handle; }
    int32_t KNR_DeleteUser(int32_t) override { return ++supprimes, 0; }
    int32_t KNR_ReadObject(int32_t, const QByteArray& a, TKnrObject* o) override { return lit(a, o, 1, 17); }
    int32_t KNR_ReadObjectList(int32_t, const QByteArray& a, TKnrObject* l, int32_t n) override {
        return lit(a, l, n, 23);
    }
    int32_t KNR_WriteObject(int32_t, const QByteArray& a, TKnrObject* o) override {
        return ecrit(a, o, 1, 18);
    }
    int32_t KNR_WriteObjectList(int32_t, const QByteArray& a, TKnrObject* l, int32_t n) override {
        return ecrit(a, l, n, 24);
    }
    int32_t KNR_PollForResponse(int32_t) override {
        ++sondages;
        if (muette) return 0;
        return std::exchange(m_reponse, 0);
    }

    QByteArray derniereAdresse;
    int sondages = 0;

private:
    int32_t lit(const QByteArray& a, TKnrObject* l, int n, int32_t genre) {
        derniereAdresse = a;
        if (refus) return refus;
        for (int i = 0; i < n; ++i)
            l[i].mots[4] = parametres[{l[i].mots[1], l[i].mots[2]}];
        m_reponse = reponseForcee ? reponseForcee : reponseKnr::compose(genre, 1);
        return 0;
    }
    int32_t ecrit(const QByteArray& a, TKnrObject* l, int n, int32_t genre) {
        derniereAdresse = a;
        if (refus) return refus;
        for (int i = 0; i < n; ++i)
            parametres[{l[i].mots[1], l[i].mots[2]}] = l[i].mots[4];
        m_reponse = reponseForcee ? reponseForcee : reponseKnr::compose(genre, 1);
        return 0;
    }
    int32_t m_reponse = 0;
};

class LiaisonTest : public testing::Test {
protected:
    PortMemoire port;
    BibliothequeMemoire reseau;
    HorlogeFactice horloge;
    TConfigGenerale config = TConfigGenerale::defaut();
    std::unique_ptr<Travail> travail = std::make_unique<Travail>();
    SessionTravail session;
    EtatEtude etude;
    DialoguesScriptes dialogues;
    std::unique_ptr<Liaison> liaison;

    void SetUp() override {
        AppliqueLangue(1);
        config.TypeLiaison = 1;
        config.TypeVariateur = 0;
        liaison = std::make_unique<Liaison>(port, reseau, horloge, config, machineDuTravail(session));
    }

    // Opens the serial link on a drive whose rating is `calibre`, then forgets the start-up traffic.
    void ouvre(uint16_t calibre = 1000) {
        port.esclave.registres[1131] = calibre;
        liaison->Initialise();
        ASSERT_TRUE(liaison->LinkOpen);
        port.esclave.requetes.clear();
        horloge.attentes.clear();
    }

    uint16_t registre(int menu, int parametre) {
        return port.esclave.registres[uint16_t(menu * 100 + parametre - 1)];
    }
    void pose(int menu, int parametre, int v) {
        port.esclave.registres[uint16_t(menu * 100 + parametre - 1)] = uint16_t(v);
    }
};
