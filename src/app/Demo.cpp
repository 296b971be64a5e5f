#include "Demo.h"

#include "link/Liaison.h"
#include "link/PortSerie.h"
#include "shell/Programme.h"
#include "socle/ConfigGenerale.h"
#include "work/SessionTravail.h"

#ifdef Q_OS_UNIX
#include "simulator/BancSimule.h"
#else
#include "PortBanc.h"
#include "simulator/Banc.h"
#endif

#include <QTimer>

#include <cstdio>

Demo::Demo() : m_minuterie(new QTimer(this)) {
    connect(m_minuterie, &QTimer::timeout, this, &Demo::suit);
#ifdef Q_OS_UNIX
    m_port = creePortSerieSysteme();
#else
    auto port = std::make_unique<PortBanc>();
    m_portBanc = port.get();
    m_port = std::move(port);
#endif
}

Demo::~Demo() {
    if (m_banc)
        std::fprintf(stderr, "vimra: the simulated bench last received control word %d\n",
                     int(banc().etat().motControle));
}

bool Demo::surLigne() {
#ifdef Q_OS_UNIX
    return true;
#else
    return false;
#endif
}

TBanc& Demo::banc() {
#ifdef Q_OS_UNIX
    return m_banc->banc();
#else
    return *m_banc;
#endif
}

bool Demo::demarre(Liaison& liaison) {
    TConfigBanc c;
    c.classe = 2;
    c.frequence = ConfigGenerale().FrequenceReseau == 60 ? 60 : 50;
    const int modele = ConfigGenerale().TypeVariateur == 0 ? 0 : 1;
#ifdef Q_OS_UNIX
    std::string erreur;
    m_banc = TBancSimule::surPty(c, modele, {}, {}, &erreur);
    if (!m_banc) {
        std::fprintf(stderr, "vimra: the simulated bench cannot start: %s\n", erreur.c_str());
        return false;
    }
    const QString chemin = QString::fromStdString(m_banc->chemin());
#else
    m_banc = std::make_unique<TBanc>(c);
    m_portBanc->branche(*m_banc, modele);
    const QString chemin = QStringLiteral("(simulated bench)");
#endif
    EntreModeDemo();
    m_liaison = &liaison;
    liaison.serie().NomPortImpose = chemin;
    std::fprintf(stderr, "vimra: demo on the simulated bench at %s\n", chemin.toLocal8Bit().constData());
    m_minuterie->start(100);
    return true;
}

void Demo::suit() {
#ifndef Q_OS_UNIX
    m_portBanc->suitHorloge();
#endif
    const TEnteteEssai& modele = sessionTravail().ModeleEssai;
    const int machine = modele.TypeMachine();
    const int calibre = modele[TEnteteEssai::MotCalibreCourant] == 1 ? 2 : 20;
    TBanc& b = banc();
    if (machine >= 1 && machine <= 7 && machine != m_machine) {
        TConfigBanc c = b.config();
        c.machine = TypeMachine(machine);
        b.configure(c);
        m_machine = machine;
    }
    if (calibre != m_calibre) {
        b.regleCalibreCourant(calibre);
        m_calibre = calibre;
    }
    if (!m_annonce && m_liaison->LinkOpen) {
        m_annonce = true;
        std::fprintf(stderr,
                     "vimra: link open, drive rating %d, power class %d, control word %d on the bench\n",
                     m_liaison->DriveRating, ConfigGenerale().ClassePuissance, int(b.etat().motControle));
    }
}
