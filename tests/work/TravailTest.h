#pragma once
// A fresh work on the heap (a work holds six tests of 21 x 2002 values) and its session, in French.

#include "work/EtatEtude.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

class TravailTest : public testing::Test {
protected:
    std::unique_ptr<Travail> travail;
    Travail& t() { return *travail; }
    std::unique_ptr<SessionTravail> session;
    SessionTravail& s() { return *session; }
    // What a study window would measure or show.
    EtatEtude etat;

    void SetUp() override {
        AppliqueLangue(1);
        travail = std::make_unique<Travail>();
        session = std::make_unique<SessionTravail>();
    }

    // Adds a test of n points whose column c holds base + 10 * c + k at point k.
    void essaiDe(int n, int base = 0) {
        t().AjouteEssai(s());
        for (int k = 0; k < n; ++k) {
            for (int c = 1; c < NB_COLONNES; ++c)
                etat.Mesures[c] = base + 10 * c + k;
            ASSERT_EQ(t().AjoutePoint(s(), etat.Mesures), ResultatAjout::Ajoute);
        }
    }
};
