#include "Demo.h"

#include "link/Liaison.h"
#include "shell/ConfigGenerale.h"
#include "simulator/BancSimule.h"
#include "work/Travail.h"

#include <QTimer>

#include <cstdio>

std::unique_ptr<Demo> Demo::demarre(Liaison& liaison) {
    TConfigBanc c;
    c.classe = 2;
    c.frequence = ConfigGenerale().FrequenceReseau == 60 ? 60 : 50;
    std::string erreur;
    auto banc = TBancSimule::surPty(c, ConfigGenerale().TypeVariateur == 0 ? 0 : 1, {}, {}, &erreur);
    if (!banc) {
        std::fprintf(stderr, "vimra: the simulated bench cannot start: %s\n", erreur.c_str());
        return nullptr;
    }
    EntreModeDemo();
    liaison.NomPortImpose = QString::fromStdString(banc->chemin());
    std::fprintf(stderr, "vimra: demo on the simulated bench at %s\n", banc->chemin().c_str());
    return std::unique_ptr<Demo>(new Demo(liaison, std::move(banc)));
}

Demo::Demo(Liaison& liaison, std::unique_ptr<TBancSimule> banc)
    : m_liaison(liaison), m_banc(std::move(banc)), m_minuterie(new QTimer(this)) {
    connect(m_minuterie, &QTimer::timeout, this, &Demo::suit);
    m_minuterie->start(100);
}

Demo::~Demo() {
    std::fprintf(stderr, "vimra: the simulated bench last received control word %d\n",
                 int(m_banc->banc().etat().motControle));
}

TBanc& Demo::banc() {
    return m_banc->banc();
}

void Demo::suit() {
    const TEnteteEssai& modele = travail().ModeleEssai;
    const int machine = modele.TypeMachine();
    const int calibre = modele[TEnteteEssai::MotCalibreCourant] == 1 ? 2 : 20;
    TBanc& banc = m_banc->banc();
    if (machine >= 1 && machine <= 7 && machine != m_machine) {
        TConfigBanc c = banc.config();
        c.machine = TypeMachine(machine);
        banc.configure(c);
        m_machine = machine;
    }
    if (calibre != m_calibre) {
        banc.regleCalibreCourant(calibre);
        m_calibre = calibre;
    }
    if (!m_annonce && m_liaison.LinkOpen) {
        m_annonce = true;
        std::fprintf(stderr,
                     "vimra: link open, drive rating %d, power class %d, control word %d on the bench\n",
                     m_liaison.DriveRating, ConfigGenerale().ClassePuissance, int(banc.etat().motControle));
    }
}
