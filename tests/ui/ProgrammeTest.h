#pragma once
// The whole program's windows on an in-memory drive, in a program folder of their own.

#include "BibliothequeAbsente.h"
#include "DialoguesScriptes.h"
#include "HorlogeFactice.h"
#include "PortMemoire.h"
#include "commun/Fenetres.h"
#include "link/FormCom.h"
#include "link/ListePorts.h"
#include "link/MachineDuTravail.h"
#include "shell/FormMachine2.h"
#include "shell/Programme.h"
#include "socle/ConfigGenerale.h"
#include "socle/DialoguesFichiers.h"
#include "socle/Dossiers.h"
#include "study/FormChoixCaract.h"
#include "study/FormTraceCaract.h"
#include "work/SessionTravail.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class ProgrammeTest : public testing::Test {
protected:
    QTemporaryDir dossier;
    QString avant = QDir::currentPath();
    DialoguesScriptes dialogues;
    PortMemoire port;
    BibliothequeAbsente reseau;
    HorlogeFactice horloge;
    std::unique_ptr<Liaison> liaison;
    std::unique_ptr<Programme> programme;

    // A settings file with a serial link, so that the program starts on the in-memory drive.
    void SetUp() override {
        QDir::setCurrent(dossier.path());
        TConfigGenerale c = TConfigGenerale::defaut();
        c.TypeLiaison = 1;
        c.TypeVariateur = 0;
        ecritConfig(c);
        port.esclave.registres[1131] = 1000;
        ConfigGenerale() = TConfigGenerale::defaut();
        liaison = std::make_unique<Liaison>(port, reseau, horloge, ConfigGenerale(),
                                            machineDuTravail(sessionTravail()));
        programme = std::make_unique<Programme>(*liaison, travail(), sessionTravail());
    }
    void TearDown() override {
        programme.reset();
        QDir::setCurrent(avant);
        ConfigGenerale() = TConfigGenerale::defaut();
        AppliqueLangue(1);
        travail().NouveauTravail(sessionTravail());
    }
    void ecritConfig(const TConfigGenerale& c) {
        QFile f(QDir(dossier.path()).filePath("CFGVimra.cfg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.octets());
    }
    TFormMachine2& menu() { return *fenetres().FormMachine2; }
    TFormCom& com() { return *fenetres().FormCom; }
    void montreMenu() {
        menu().show();
        QApplication::processEvents();
    }
    QString chemin(const QString& nom) const { return QDir(dossier.path()).filePath(nom); }
    // The plot window shown on a test of the asynchronous machine under load `charge`, torque against
    // speed.
    TFormTraceCaract& traceSur(int charge) {
        Travail& t = travail();
        SessionTravail& s = sessionTravail();
        s.ModeleEssai.TypeMachine() = 3;
        s.ModeleEssai.TypeCharge() = charge;
        t.AjouteEssai(s);
        t.EnteteTravail.DefCaract(1) = TDefCaract{1, 1, {}, 1, 18, {}, 2, 18, {}, 0};
        s.TravailEnregistre = true;
        TFormTraceCaract& f = *fenetres().FormTraceCaract;
        f.show();
        return f;
    }
};
