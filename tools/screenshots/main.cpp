// Renders the program's windows offscreen to PNG files, so that anyone can look at what it shows,
// and the pictures of the user guide (into DOSSIER/aide):
//
//   vimra-screenshots [DOSSIER]          every window, and the guide's pictures
//   vimra-screenshots --aide DOSSIER     the guide's pictures only
//
// VIMRA_TAILLE_POLICE=14 renders them with a system font of that many points (large text).
#include "Captures.h"
#include "ParamsApplications.h"
#include "application/ChoixMachine.h"
#include "application/ConfigurationApplication.h"
#include "application/FormApplication.h"
#include "application/FormKorlan.h"
#include "application/VisualisationPDF.h"
#include "commun/AboutBox.h"
#include "commun/AideCablage.h"
#include "commun/Avertissements.h"
#include "commun/DocumentsAide.h"
#include "commun/Fenetres.h"
#include "link/BibliothequeReseau.h"
#include "link/FormCom.h"
#include "link/FormVisualisation.h"
#include "link/Horloge.h"
#include "link/MachineDuTravail.h"
#include "link/PortSerie.h"
#include "shell/FormMachine2.h"
#include "shell/Programme.h"
#include "simulator/BancSimule.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dialogues.h"
#include "socle/Dossiers.h"
#include "socle/Textes.h"
#include "study/Catalogue.h"
#include "study/FormCalibreCourant.h"
#include "study/FormChoixCaract.h"
#include "study/FormTraceCaract.h"
#include "study/FormTrierPoints.h"
#include "study/FormVisuApp.h"
#include "study/NouvelCaract.h"
#include "study/PanelCaract.h"
#include "work/Travail.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <cmath>
#include <tuple>

#include <cstdio>

namespace {

// Says yes to the print dialog, so that the page goes to the file set on the printer.
class DialoguesImpression final : public DialoguesConsole {
public:
    DialoguesImpression() : m_avant(&dialogues()) { installeDialogues(this); }
    ~DialoguesImpression() override { installeDialogues(m_avant); }
    bool imprimer(QPrinter&) override { return true; }

private:
    Dialogues* m_avant;
};
// The catalogues and pictures delivered beside the program, copied into the program folder.
void copieDonnees(const QString& source, const QString& cible) {
    const QDir s(source);
    for (const QString& f : s.entryList({"CFGAPP*.cfg"}, QDir::Files))
        QFile::copy(s.filePath(f), QDir(cible).filePath(f));
    QDir(cible).mkpath("Vimra_app");
    for (const QString& f : QDir(s.filePath("Vimra_app")).entryList(QDir::Files))
        QFile::copy(s.filePath("Vimra_app/" + f), QDir(cible).filePath("Vimra_app/" + f));
    for (int langue = 1; langue <= 3; ++langue)
        for (const QString& d : {DossierFichesLangue(source, langue), DossierCablageLangue(source, langue)}) {
            const QString copie = QDir(cible).filePath(QFileInfo(d).fileName());
            QDir().mkpath(copie);
            for (const QString& f : QDir(d).entryList(QDir::Files))
                QFile::copy(QDir(d).filePath(f), QDir(copie).filePath(f));
        }
}

bool enregistre(QWidget* w, const QString& dossier, const QString& nom) {
    QCoreApplication::processEvents();
    const QString chemin = QDir(dossier).filePath(nom + ".png");
    const bool ok = w->grab().save(chemin);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(chemin));
    return ok;
}

// The offscreen platform cannot pass size limits to a window manager and says so at every layout
// change; there is no window manager to tell.
QtMessageHandler suivant = nullptr;

void filtre(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    if (suivant)
        suivant(type, contexte, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, contexte, message)));
}

bool dialogues(const QString& dossier, const QString& langue) {
    Fenetres& f = fenetres();
    bool ok = true;
    travail().NouveauTravail(sessionTravail()); // the quantity names of the language, as at start-up
    etude(3, 1);
    f.NouvelCaract->Prepare(ModeDefinition::Nouveau, 1);
    f.NouvelCaract->show();
    ok &= enregistre(f.NouvelCaract, dossier, "new-characteristic-" + langue);
    f.NouvelCaract->hide();
    // An oscilloscope study: time on the abscissa, only the right half of the plane.
    etude(4, 12);
    sessionTravail().ModeleEssai[TEnteteEssai::MotCalibreCourant] = 1;
    travail().EnteteTravail.DefCaract(2) = TDefCaract{1, 1, {}, 11, 18, {}, 2, 18, {}, 1};
    f.NouvelCaract->Prepare(ModeDefinition::Modification, 2);
    f.NouvelCaract->show();
    ok &= enregistre(f.NouvelCaract, dossier, "modify-characteristic-time-" + langue);
    f.NouvelCaract->hide();
    sessionTravail().ModeleEssai[TEnteteEssai::MotCalibreCourant] = 0;

    etude(2, 1);
    f.FormTrierPoints->show();
    ok &= enregistre(f.FormTrierPoints, dossier, "sort-points-" + langue);
    f.FormTrierPoints->hide();
    f.FormCalibreCourant->show();
    ok &= enregistre(f.FormCalibreCourant, dossier, "current-range-" + langue);
    f.FormCalibreCourant->hide();
    return ok;
}

// The live values of a synchronous machine on the largest bench, K at 45%.
bool visualisation(const QString& dossier, const QString& langue, Liaison& liaison) {
    const bool ok = enregistre(&montreVisualisation(liaison), dossier, "live-values-" + langue);
    fermeVisualisation(liaison);
    return ok;
}

// The choice screen on each page, with a machine and a load chosen.
bool choixCaract(const QString& dossier) {
    bool ok = true;
    TFormChoixCaract& c = *fenetres().FormChoixCaract;
    const int charges[3] = {1, 8, 14};
    for (int page = 0; page < 3; ++page) {
        sessionTravail().ModeleEssai.TypeMachine() = 3;
        sessionTravail().ModeleEssai.TypeCharge() = charges[page];
        c.PageDemandee = page;
        c.show();
        ok &= enregistre(&c, dossier, QString("choice-screen-page%1").arg(page));
        c.hide();
    }
    return ok;
}

// The load panel of every load law, as the choice screen shows it, from the default parameters.
bool panneauxCharge(const QString& dossier) {
    bool ok = true;
    TFormChoixCaract& c = *fenetres().FormChoixCaract;
    for (int type = 6; type <= 18; ++type) {
        const bool statique = type <= 9 || type == 15 || type == 17;
        sessionTravail().ModeleEssai = TEnteteEssai::defaut();
        etude(3, type);
        c.PageDemandee = statique ? 1 : 2;
        c.show();
        ok &= enregistre(c.PanelCaract[c.PageDemandee], dossier,
                         QString("panneau-charge-%1").arg(type, 2, 10, QChar('0')));
        c.hide();
    }
    sessionTravail().ModeleEssai = TEnteteEssai::defaut();
    return ok;
}

} // namespace

void etude(int typeMachine, int typeCharge) {
    sessionTravail().ModeleEssai.TypeMachine() = typeMachine;
    sessionTravail().ModeleEssai.TypeCharge() = typeCharge;
}

void travailExemple() {
    Travail& t = travail();
    VecteurMesures m{};
    t.NouveauTravail(sessionTravail());
    t.EnteteTravail.Commentaire.setTexte(QString::fromUtf8("Machine asynchrone 1,5 kW : essais en charge"));
    t.EnteteTravail.Interpolation = 2;
    sessionTravail().ModeleEssai.TypeMachine() = 3;
    sessionTravail().ModeleEssai.TypeCharge() = 1;
    for (int e = 0; e < 2; ++e) {
        sessionTravail().ModeleEssai.setCommentaire(e == 0 ? "400 V" : "360 V");
        t.AjouteEssai(sessionTravail());
        for (int k = 0; k <= 24; ++k) {
            const int couple = k * 40;                  // hundredths of N.m
            const int vitesse = 1495 - k * (e ? 4 : 3); // tr/min
            m[1] = vitesse;
            m[2] = couple;
            m[3] = int(int64_t(vitesse) * couple * 3142 / 300000);
            m[4] = e ? 3600 : 4000;
            m[5] = 1800 + k * 95 - e * 60;
            m[6] = m[3] * 100 / (70 + k) + 1500;
            m[8] = m[6] > 0 ? 1000 * std::min(m[3], m[6]) / m[6] : 0;
            m[9] = 300 + k * 22;
            m[10] = std::abs(m[6] - m[3]);
            t.AjoutePoint(sessionTravail(), m);
        }
    }
    const int defs[4][2] = {{2, 1}, {2, 5}, {2, 3}, {3, 8}}; // X column, Y column
    for (int k = 1; k <= 4; ++k)
        t.EnteteTravail.DefCaract(k) =
            TDefCaract{1, 1, {}, defs[k - 1][0], 18, {}, defs[k - 1][1], 18, {}, 1};
    sessionTravail().TravailEnregistre = true;
}

void travailOscillo() {
    // Thirty seconds of a cyclic load: speed and torque against time.
    Travail& t = travail();
    VecteurMesures m{};
    t.NouveauTravail(sessionTravail());
    sessionTravail().ModeleEssai.TypeMachine() = 1;
    sessionTravail().ModeleEssai.TypeCharge() = 14;
    t.AjouteEssai(sessionTravail());
    t.EnteteTravail.Interpolation = 1;
    for (int k = 0; k <= 600; ++k) {
        const double phase = std::fmod(k * 0.05, 8.0) / 4; // an 8 s period
        const double couple = phase < 0.9   ? 200
                              : phase < 1.0 ? 200 + 3000 * (phase - 0.9)
                              : phase < 1.9 ? 500
                                            : 500 - 3000 * (phase - 1.9);
        m[11] = k * 5;
        m[2] = int(couple);
        m[1] = int(1480 - couple / 10);
        t.AjoutePoint(sessionTravail(), m);
    }
    t.EnteteTravail.DefCaract(1) = TDefCaract{1, 1, {}, 11, 18, {}, 1, 18, {}, 1};
    t.EnteteTravail.DefCaract(2) = TDefCaract{1, 1, {}, 11, 18, {}, 2, 18, {}, 1};
    sessionTravail().TravailEnregistre = true;
}

void montreOscillo(TFormTraceCaract& f) {
    travailOscillo();
    f.Action();
    f.ButtonChargeDynamique->setChecked(true);
    f.TextModeChargeDynamique->setText(f.windowTitle());
    f.StaticTextModeOscillo->setText(Textes().Texte[txt::OscilloConfiguration]);
    f.Action();
}

TFormVisualisation& montreVisualisation(Liaison& liaison) {
    travail().NouveauTravail(sessionTravail());
    etude(4, 1);
    ConfigGenerale().ClassePuissance = 3;
    TFormVisualisation& v = *fenetres().FormVisualisation;
    v.resize(1024, 768);
    v.show();
    v.ScrollBarK->setValue(45);
    // No drive here: the values of one cycle, as the link would have left them.
    liaison.RawValues = {0, 1487, 1260, 8500, 0, 5320, 0, 3980, 0, 880};
    liaison.CalculValeurs();
    liaison.Mesures[0] = 0;
    v.montre(Mesure{true, false, liaison.Mesures});
    return v;
}

void fermeVisualisation(Liaison& liaison) {
    fenetres().FormVisualisation->close();
    fenetres().FormChoixCaract->hide();
    ConfigGenerale().ClassePuissance = 2;
    liaison.RawValues = {};
}

std::unique_ptr<TBancSimule> lanceApplicationSimulee(TFormApplication& f, Liaison& liaison, int code,
                                                     int machine) {
    Travail& t = travail();
    t.NouveauTravail(sessionTravail());
    t.ApplicationCourante = code;
    t.ParamApplication = ParamsParDefaut(code);
    sessionTravail().MachineApplication = machine;
    sessionTravail().ModeleEssai.TypeMachine() = machine;
    // The simulated bench with that machine, the load run for a few seconds of its time.
    TConfigBanc configBanc;
    configBanc.machine = TypeMachine(machine);
    configBanc.classe = ConfigGenerale().ClassePuissance;
    TCadence cadence;
    cadence.pasParRequete = 0.05;
    auto simule = TBancSimule::surPty(configBanc, 0, cadence);
    if (!simule) return nullptr;
    liaison.serie().NomPortImpose = QString::fromStdString(simule->chemin());
    ConfigGenerale().TypeLiaison = 1;
    ConfigGenerale().TypeVariateur = 0;
    liaison.Ferme();
    liaison.Initialise();
    f.show();
    if (machine == 3 || machine == 4 || machine == 6) f.ButtonEtoileClick();
    f.ButtonCharge->setChecked(true);
    f.ButtonChargeClick(true);
    for (int i = 0; i < 60; ++i)
        f.TimerApplicationTimer();
    f.curseur();
    return simule;
}

void arreteApplicationSimulee(TFormApplication& f, Liaison& liaison) {
    f.ButtonCharge->setChecked(false);
    f.ButtonChargeClick(false);
    f.etat().AcquisitionEnCours = false;
    f.hide();
    liaison.Ferme();
    liaison.serie().NomPortImpose.clear();
}

namespace {

// The plot window in the load modes: a pump (quadratic load) studied point by point, and a
// cyclic load recorded against time.
bool modesCharge(TFormTraceCaract& f, const QString& dossier) {
    bool ok = true;
    Travail& t = travail();
    for (int e = 1; e <= 2; ++e)
        t.Essais[e].Entete.TypeCharge() = 8;
    f.Action();
    const auto mode = [&](QToolButton* b, QLabel* texte, const QString& nom) {
        b->setChecked(true);
        texte->setText(f.windowTitle());
        f.Action();
        ok &= enregistre(&f, dossier, nom);
        b->setChecked(false);
    };
    mode(f.ButtonChargeManu, f.TextModeChargestatiqueManu, "plot-window-static-load-manual");
    f.ButtonAcquiAutoStatique->setChecked(true);
    mode(f.ButtonChargeAuto, f.TextModeChargestatiqueAuto, "plot-window-static-load-auto");
    f.ButtonAcquiAutoStatique->setChecked(false);

    montreOscillo(f);
    ok &= enregistre(&f, dossier, "plot-window-oscilloscope-configuration");
    f.StaticTextModeOscillo->setText(Textes().Texte[txt::OscilloAcquisition]);
    f.PanelConfOscillo->setEnabled(false);
    f.SpeedButtonOscillo->setEnabled(false);
    f.Action();
    ok &= enregistre(&f, dossier, "plot-window-oscilloscope-recording");
    f.ButtonChargeDynamique->setChecked(false);
    f.PanelConfOscillo->setEnabled(true);
    f.SpeedButtonOscillo->setEnabled(true);
    return ok;
}

bool traceCaract(const QString& dossier) {
    bool ok = true;
    TFormTraceCaract& f = *fenetres().FormTraceCaract;
    travailExemple();
    // The window opens maximised; the pictures keep one size whatever the screen.
    f.setWindowState(Qt::WindowNoState);
    f.resize(1200, 780);
    f.show();
    for (int n = 1; n <= 4; ++n) {
        for (int k = 1; k <= 4; ++k)
            travail().EnteteTravail.DefCaract(k).Affichee = k <= n;
        f.Action();
        ok &= enregistre(&f, dossier, QString("plot-window-%1-panels").arg(n));
    }
    f.ButtonManu->setChecked(true);
    f.Action();
    ok &= enregistre(&f, dossier, "plot-window-manual-bar");
    f.ButtonManu->setChecked(false);
    f.ButtonAuto->setChecked(true);
    f.Action();
    ok &= enregistre(&f, dossier, "plot-window-sweep-bar");
    f.ButtonAuto->setChecked(false);
    ok &= modesCharge(f, dossier);
    travailExemple();
    // The printed page with three characteristics, as a PDF.
    for (int k = 1; k <= 4; ++k)
        travail().EnteteTravail.DefCaract(k).Affichee = k <= 3;
    f.Action();
    f.imprimante().setOutputFormat(QPrinter::PdfFormat);
    f.imprimante().setOutputFileName(QDir(dossier).filePath("plot-window-printed.pdf"));
    DialoguesImpression imprime;
    f.Imprimer1Click();
    std::printf("wrote %s\n", qPrintable(QDir(dossier).filePath("plot-window-printed.pdf")));
    f.hide();
    return ok;
}

// The applications viewer in each language, every picture delivered, and the messages that
// replace a picture that cannot be shown.
bool viewer(TFormVisuApp& visu, const QString& sortie) {
    bool ok = true;
    const QString langues[] = {"fr", "en", "es"};
    const int groupes[] = {1, 3, 7};
    for (int l = 1; l <= 3; ++l) {
        AppliqueLangue(l);
        ChargeCatalogue(QDir::currentPath());
        visu.Montre(groupes[l - 1]);
        visu.APPPlusClick();
        ok &= enregistre(&visu, sortie, QString("applications-viewer-%1").arg(langues[l - 1]));
    }
    AppliqueLangue(1);
    ChargeCatalogue(QDir::currentPath());
    QDir(sortie).mkpath("applications");
    for (int g = 1; g <= NB_GROUPES_APPLICATIONS; ++g) {
        visu.Montre(g);
        for (int i = 1; i <= CatalogueApplications().groupe(g).nombre(); ++i, visu.APPPlusClick())
            ok &= enregistre(&visu, sortie, QString("applications/group%1-%2").arg(g).arg(i));
    }
    TGroupeApplications& g6 = CatalogueApplications().groupe(6);
    g6.Count = 2;
    g6.Entrees[0].Name.setTexte("Pompe doseuse");
    g6.Entrees[0].ImageFile.setTexte("pompe_doseuse.jpg");
    visu.Montre(6);
    ok &= enregistre(&visu, sortie, "applications-viewer-missing-picture");
    CatalogueApplications() = {};
    visu.Montre(1);
    ok &= enregistre(&visu, sortie, "applications-viewer-no-catalogue");
    visu.hide();
    return ok;
}

// The machine choice, then the configuration of every application that has settings, the pump
// on the smallest bench, one application without settings, and the dialog in English.
bool etudeApplication(const QString& dossier) {
    bool ok = true;
    TChoixMachine& choix = *fenetres().ChoixMachine;
    for (const int machine : {0, 3}) {
        sessionTravail().MachineApplication = machine;
        choix.show();
        ok &= enregistre(&choix, dossier, machine ? "machine-choice" : "machine-choice-none");
        choix.hide();
    }
    sessionTravail().MachineApplication = 0;
    TConfigurationApplication& c = *fenetres().ConfigurationApplication;
    const auto capture = [&](int code, const QString& nom) {
        travail().ApplicationCourante = code;
        c.show();
        ok &= enregistre(&c, dossier, nom);
        c.hide();
    };
    for (const int code : {51, 52, 53, 57, 58, 61, 62, 64, 66})
        capture(code, QString("application-configuration-%1").arg(code));
    ConfigGenerale().ClassePuissance = 1;
    capture(61, "application-configuration-61-small-bench");
    ConfigGenerale().ClassePuissance = 2;
    capture(63, "application-configuration-without-settings");
    AppliqueLangue(2);
    capture(66, "application-configuration-66-en");
    choix.show();
    ok &= enregistre(&choix, dossier, "machine-choice-en");
    choix.hide();
    AppliqueLangue(1);
    travail().ApplicationCourante = 0;
    return ok;
}

// The run screen's graph: a conveyor's points taken by hand at rising loads, then a start of the
// conveyor recorded against time by the oscilloscope.
bool ecransEnregistrement(TFormApplication& f, const QString& dossier, Liaison& liaison) {
    bool ok = true;
    Travail& t = travail();
    t.NouveauTravail(sessionTravail());
    t.ApplicationCourante = 53;
    t.ParamApplication = ParamsParDefaut(53);
    sessionTravail().MachineApplication = 1;
    sessionTravail().ModeleEssai.TypeMachine() = 1;
    f.show();
    f.ButtonCharge->setChecked(true);
    f.ButtonGraphAnim->click();
    t.Essais[1].Entete.setCommentaire("200 V");
    const auto mesure = [&](int32_t vitesse, int32_t couple, int32_t temps) {
        const int32_t mecanique = int32_t(int64_t(vitesse) * couple * 3142 / 300000);
        liaison.RawValues = {0, vitesse, couple, 4900, 6300, 3800, 2200, 2300, 0, mecanique * 100 / 85 / 10};
        liaison.CalculValeurs();
        liaison.Mesures[0] = 0;
        Mesure{true, false, liaison.Mesures}.reporte(f.etat().Mesures);
        f.etat().Mesures[11] = temps;
    };
    for (int k = 0; k <= 12; ++k) {
        mesure(1500 - k * 14, k * 80, 0);
        t.AjoutePoint(sessionTravail(), f.etat().Mesures);
    }
    f.BoutonManuel->setChecked(true);
    f.Action();
    mesure(1500 - 7 * 14, 7 * 80 + 20, 0);
    f.Curseur();
    ok &= enregistre(&f, dossier, "run-screen-graph-manual");
    f.BoutonManuel->setChecked(false);

    // A second test: the start, one point every 100 ms for 10 s.
    sessionTravail().ModeleEssai = t.Essais[1].Entete;
    sessionTravail().ModeleEssai.setCommentaire("démarrage");
    t.AjouteEssai(sessionTravail());
    for (int k = 0; k <= 100; ++k) {
        const double x = k / 100.0;
        const int32_t vitesse = int32_t(1400 * (1 - std::exp(-x * 6)));
        const int32_t couple = int32_t(900 * std::exp(-x * 5) + 300);
        mesure(vitesse, couple, k * 10);
        t.AjoutePoint(sessionTravail(), f.etat().Mesures);
    }
    f.BoutonOscillo->setChecked(true);
    f.Action();
    f.ScrollBarDureeOscillo->setValue(5);
    f.StaticTextModeOscillo->setText(Textes().Texte[txt::OscilloAcquisition]);
    mesure(1400, 310, 1000);
    f.Curseur();
    ok &= enregistre(&f, dossier, "run-screen-graph-oscilloscope");
    f.BoutonOscillo->setChecked(false);
    f.ButtonGraphAnim->setChecked(false);
    f.ButtonCharge->setChecked(false);
    f.etat().AcquisitionEnCours = false;
    f.hide();
    return ok;
}

// The run screen of every application, its load running at the default level on a measurement
// that fits it: the motor near its rated speed, the torque the drive's block asks for.
bool ecransApplication(const QString& dossier, Liaison& liaison) {
    bool ok = true;
    TFormApplication& f = *fenetres().FormApplication;
    f.resize(1180, 780);
    for (int code : {51, 52, 53, 54, 55, 56, 57, 58, 60, 61, 62, 63, 64, 65, 66}) {
        // Three-phase machines for the flow applications, DC and drives for the motion ones.
        const int machine = code >= 61 ? 3 : code == 58 || code == 52 ? 6 : code == 57 ? 4 : 1;
        const auto simule = lanceApplicationSimulee(f, liaison, code, machine);
        if (!simule) return false;
        ok &= enregistre(&f, dossier, QString("run-screen-%1").arg(code));
        arreteApplicationSimulee(f, liaison);
    }
    // Stopped, before the coupling is chosen: no bar, no voltage, no current.
    travail().NouveauTravail(sessionTravail());
    travail().ApplicationCourante = 53;
    travail().ParamApplication = ParamsParDefaut(53);
    sessionTravail().MachineApplication = 3;
    f.show();
    ok &= enregistre(&f, dossier, "run-screen-stopped-no-coupling");
    f.ButtonTitre->setChecked(true);
    travail().EnteteTravail.Commentaire.setTexte(
        QString::fromUtf8("Convoyeur à rouleaux : essai de démarrage"));
    f.FormShow();
    ok &= enregistre(&f, dossier, "run-screen-title");
    f.ButtonTitre->setChecked(false);
    f.hide();
    ok &= ecransEnregistrement(f, dossier, liaison);
    liaison.RawValues = {};
    liaison.ParamBlock = {};
    travail().NouveauTravail(sessionTravail());
    return ok;
}

// The application catalogue: the site, its two areas and an illustration, each with a picture
// under the mouse, in French and in English, and the messages of pictures that cannot be read.
bool catalogue(const QString& dossier) {
    bool ok = true;
    TFormKorlan& k = *fenetres().FormKorlan;
    const auto capture = [&](const QString& nom) {
        ok &= enregistre(&k, dossier, "application-catalogue-" + nom);
    };
    sessionTravail().MachineApplication = 3;
    k.show();
    capture("site");
    k.Image1MouseMove(k.ImageSelectUsine);
    capture("site-hover");
    k.ImageSelectUsineClick();
    capture("plant");
    k.ImageUsineMouseMove(k.ImageDuCode(53));
    capture("plant-hover");
    k.ButtonRetour1Click();
    k.ImageSelectLocalClick();
    k.ImageLocalTechniqueMouseMove(k.ImageDuCode(61));
    capture("technical-room-hover");
    k.ImageLocalTechniqueMouseMove(nullptr);
    capture("technical-room");
    for (const int code : {51, 52, 53, 57, 58, 61, 62, 64, 66}) {
        k.ImageApplicationClick(code);
        capture(QString("illustration-%1").arg(code));
    }
    k.hide();
    AppliqueLangue(2);
    k.show();
    k.Image1MouseMove(k.ImageSelectLocal);
    capture("site-hover-en");
    k.ImageSelectUsineClick();
    k.ImageUsineMouseMove(k.ImageDuCode(57));
    capture("plant-hover-en");
    k.ImageApplicationClick(58);
    capture("illustration-58-en");
    k.hide();
    AppliqueLangue(1);
    // The program folder is a copy: take two pictures away from it.
    QDir images(dossiers().DossierApplications);
    images.remove("pompes.jpg");
    images.remove("vignette_ventilation.jpg");
    k.show();
    k.ImageSelectLocalClick();
    capture("missing-picture");
    k.ImageApplicationClick(61);
    capture("missing-illustration");
    k.hide();
    travail().ApplicationCourante = 0;
    sessionTravail().MachineApplication = 0;
    return ok;
}

// The help viewers on a sheet and a diagram, the sheet viewer without its file, the warning and
// the about box.
bool aides(const QString& dossier) {
    bool ok = true;
    const auto langue = [](int l) {
        ConfigGenerale().LangueConfig = l;
        AppliqueLangue(l);
    };
    TFormVisualisationPDF& fiche = *fenetres().FormVisualisationPDF;
    TFormAideCablage& cablage = *fenetres().FormAideCablage;
    fiche.resize(760, 900);
    cablage.resize(1100, 820);
    const auto montre = [&](QWidget& w, const QString& nom) {
        w.show();
        // The pages are drawn by a thread of the viewer: give it the time.
        QElapsedTimer attente;
        attente.start();
        while (attente.elapsed() < 1500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ok &= enregistre(&w, dossier, nom);
        w.hide();
    };
    for (const auto& [code, l, nom] :
         {std::tuple{53, 1, "help-sheet-53"}, std::tuple{58, 2, "help-sheet-58-en"},
          std::tuple{61, 3, "help-sheet-61-es"}}) {
        langue(l);
        travail().ApplicationCourante = code;
        montre(fiche, nom);
    }
    for (const auto& [machine, l, nom] :
         {std::tuple{1, 1, "wiring-help-1"}, std::tuple{3, 2, "wiring-help-3-en"},
          std::tuple{6, 1, "wiring-help-6"}}) {
        langue(l);
        sessionTravail().MachineApplication = machine;
        montre(cablage, nom);
    }
    langue(1);
    QFile::remove(CheminDocument(DossierFichesLangue(QDir::currentPath(), 1), FicheApplication(57, 1)));
    travail().ApplicationCourante = 57;
    montre(fiche, "help-sheet-missing");
    TAvertissements& a = *fenetres().Avertissements;
    a.Code = 58;
    for (int l = 1; l <= 3; ++l) {
        langue(l);
        montre(a, QString("warning-%1").arg(l == 1 ? "fr" : l == 2 ? "en" : "es"));
    }
    langue(1);
    montre(*fenetres().AboutBox, "about-box");
    travail().ApplicationCourante = 0;
    sessionTravail().MachineApplication = 0;
    return ok;
}

} // namespace

namespace {

// The user guide opened by F1 in the run screen and in the plot window's oscilloscope, in each
// language.
bool guide(const QString& dossier) {
    bool ok = true;
    const char* langues[] = {"fr", "en", "es"};
    for (int l = 1; l <= 3; ++l) {
        AppliqueLangue(l);
        for (const auto& [contexte, nom] : {std::pair{aide::EcranApplication, "run-screen"},
                                            std::pair{aide::TraceOscillo, "oscilloscope"}}) {
            ouvreAide(contexte);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "AIDE VIMRA.HLP" && w->isVisible()) {
                    w->resize(760, 680);
                    ok &= enregistre(w, dossier, QString("help-%1-%2").arg(nom, langues[l - 1]));
                    w->hide();
                }
        }
    }
    AppliqueLangue(1);
    return ok;
}

// Every window, in the states worth looking at.
bool toutes(const QString& dossierSortie, Liaison& liaison) {
    bool ok = true;
    TFormMachine2* menu = fenetres().FormMachine2;
    TFormCom* com = fenetres().FormCom;
    const char* langues[] = {"fr", "en", "es"};
    for (int l = 1; l <= 3; ++l) {
        ConfigGenerale().LangueConfig = l;
        menu->show();
        menu->FormShow();
        ok &= enregistre(menu, dossierSortie, QString("main-menu-%1").arg(langues[l - 1]));
        for (int page = 0; page < 2; ++page) {
            ConfigGenerale().TypeLiaison = page == 0 ? 1 : 0;
            com->show();
            com->PageControlCom->setCurrentIndex(page);
            ok &= enregistre(
                com, dossierSortie,
                QString("link-window-%1-%2").arg(page == 0 ? "serial" : "network", langues[l - 1]));
            com->hide();
        }
        AppliqueLangue(l);
        ok &= dialogues(dossierSortie, langues[l - 1]);
        if (l <= 2) ok &= visualisation(dossierSortie, langues[l - 1], liaison);
    }
    ConfigGenerale().LangueConfig = 1;
    AppliqueLangue(1);
    ok &= choixCaract(dossierSortie);
    ok &= panneauxCharge(dossierSortie);
    ok &= traceCaract(dossierSortie);
    ok &= viewer(*fenetres().FormVisuApp, dossierSortie);
    ok &= etudeApplication(dossierSortie);
    ok &= ecransApplication(dossierSortie, liaison);
    ok &= aides(dossierSortie);
    AppliqueLangue(2);
    ConfigGenerale().LangueConfig = 2;
    travail().NouveauTravail(sessionTravail());
    travail().ApplicationCourante = 61;
    travail().ParamApplication = ParamsParDefaut(61);
    fenetres().FormApplication->show();
    ok &= enregistre(fenetres().FormApplication, dossierSortie, "run-screen-en");
    fenetres().FormApplication->hide();
    AppliqueLangue(1);
    ConfigGenerale().LangueConfig = 1;
    ok &= catalogue(dossierSortie);
    ok &= guide(dossierSortie);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    suivant = qInstallMessageHandler(filtre);
    QApplication app(argc, argv);
    if (const int points = qEnvironmentVariableIntValue("VIMRA_TAILLE_POLICE"); points > 0) {
        QFont police = QApplication::font();
        police.setPointSize(points);
        QApplication::setFont(police);
    }
    const bool aideSeule = argc > 2 && QByteArray(argv[1]) == "--aide";
    const QString sortie = aideSeule  ? QString::fromLocal8Bit(argv[2])
                           : argc > 1 ? QString::fromLocal8Bit(argv[1])
                                      : QStringLiteral("screenshots");
    QDir().mkpath(sortie);
    const QString dossierSortie = QDir(sortie).absolutePath();

    DialoguesConsole dialoguesMuets;
    installeDialogues(&dialoguesMuets);
    // A folder of its own, so that no settings file of the user's is read or written.
    QTemporaryDir programme;
    QDir::setCurrent(programme.path());
    copieDonnees(QCoreApplication::applicationDirPath(), programme.path());

    auto port = creePortSerieSysteme();
    auto reseau = creeBibliothequeModbusTcp();
    Liaison liaison(*port, *reseau, horlogeSysteme(), ConfigGenerale(), machineDuTravail(sessionTravail()));
    bool ok = true;
    {
        Programme p(liaison, travail(), sessionTravail());
        // The guide's pictures first: the captures below take files away from the program folder.
        ok &= imagesAide(aideSeule ? dossierSortie : QDir(dossierSortie).filePath("aide"), liaison);
        if (!aideSeule) ok &= toutes(dossierSortie, liaison);
    }
    installeDialogues(nullptr);
    return ok ? 0 : 1;
}
