#pragma once
// The program's link on the simulated bench over a pseudo-terminal. The bench advances a fixed
// simulated time for every request and the link's pauses are skipped, so that minutes on the bench
// take a fraction of a second in a test.

#include "DialoguesScriptes.h"
#include "HorlogeFactice.h"
#include "link/MachineDuTravail.h"
#include "link/PortSerie.h"
#include "simulator/BancSimule.h"
#include "socle/ConfigGenerale.h"
#include "work/EtatEtude.h"

#include <memory>

class SurBanc {
public:
    std::unique_ptr<TBancSimule> banc;
    std::unique_ptr<PortSerie> port = creePortSerieSysteme();
    std::unique_ptr<BibliothequeReseau> reseau = creeBibliothequeModbusTcp();
    HorlogeFactice horloge;
    TConfigGenerale config = TConfigGenerale::defaut();
    std::unique_ptr<Travail> travail = std::make_unique<Travail>();
    SessionTravail session;
    EtatEtude etat;
    DialoguesScriptes dialogues;
    std::unique_ptr<Liaison> liaison;

    SurBanc(int modele, TConfigBanc c, double pasParRequete = 0.05) {
        TCadence cadence;
        cadence.pasParRequete = pasParRequete;
        banc = TBancSimule::surPty(c, modele, cadence);
        if (!banc) return;
        config.TypeLiaison = 1;
        config.TypeVariateur = modele;
        liaison = std::make_unique<Liaison>(*port, *reseau, horloge, config, machineDuTravail(session));
        liaison->serie().NomPortImpose = QString::fromStdString(banc->chemin());
    }
    // The sequence the studies use to apply a load law.
    void appliqueLoi(int code, std::array<int32_t, 5> bloc, int direction = 0) {
        std::copy(bloc.begin(), bloc.end(), liaison->ParamBlock.begin());
        liaison->EmissionControle((code << 8) | 1 | direction);
        liaison->EmissionParam();
        liaison->EmissionControle((code << 8) | 5 | direction);
    }
};
