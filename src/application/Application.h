#pragma once
// The application run screen without its widgets: what each application shows (name, picture,
// load label, bar graph, parameter panel), which displays are visible for the machine and its
// coupling, the torque warning, and how the current test is reconciled with the application
// chosen before the load runs.

#include "application/EmulationCharge.h"
#include "application/ReglagesApplication.h"
#include "work/Applications.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

class Travail;
struct SessionTravail;
struct TEnteteEssai;

// Couplage (test header word 36).
enum Couplage : int32_t { CouplageAucun = 0, CouplageEtoile = 1, CouplageTriangle = 2 };

// The text beside the load scroll bar; empty for the applications without one.
QString LibelleCharge(int code);
// File of the application's picture in the applications folder; empty when it has none (60).
QString ImageApplication(int code);

// The application's picture from the applications folder, or the lines that say why it cannot be
// shown; both empty for an application without a picture.
struct VueImageApplication {
    QImage image;
    QString message;
};
VueImageApplication ChargeImageApplication(int code, const QString& dossierApplications);

// Three levels for the motion applications and the generator, one for pumps, fans and compressor.
BarGraphe BarGrapheApplication(int code);

// Whether the drive has a load program for the application: the load can be started.
bool ChargeDemarrable(int code);

// The torque display turns red above two thirds of the rated torque (hundredths of N.m).
bool CoupleExcessif(int32_t couple, int classePuissance);

// Where the mask over the bar graph starts: the bar graph is uncovered up to the load level.
int BordCacheBarGraphe(int position, int largeur, int maximum);

// The rows of the parameter panel.
enum LigneAff { Aff1, Aff3, Aff4, Aff5, Aff6, AffInertie, NbLignesAff };

struct LigneParametre {
    bool visible = false;
    QString libelle;
    QString valeur;
    QString unite;
    // What the value display shows.
    QString texte() const { return valeur + unite; }
    bool operator==(const LigneParametre&) const = default;
};

struct PanneauParametres {
    std::array<LigneParametre, NbLignesAff> lignes;
    // The inertia is the block's word 4 as the last measurement left it in Mesures[15].
    bool inertieDuBloc = false;
    // The pump model, shown under the application's name.
    QString nomPompe;
};

// Labels, units and values of the parameter panel for an application with parameters P0..P5 on a
// bench class. An inertia of the block form reads "----" here; InertieDuBloc gives its value.
PanneauParametres ParametresAffiches(int code, const ParamsApplication& p, int classePuissance);
// The block's inertia value: Mesures[15] with 3 decimals, "----" without a valid measurement.
QString InertieDuBloc(const VecteurMesures& mesures);

// Whether the star/delta pair belongs to the machine: the three-phase machines.
bool CouplageOffert(int typeMachine);

// The coupling buttons of a test: shown for a three-phase machine; once the test holds a point only
// the pressed one stays, so that the coupling of a test cannot change under its points.
struct BoutonsCouplage {
    bool etoileVisible = false;
    bool triangleVisible = false;
    bool etoileEnfoncee = false;
    bool triangleEnfoncee = false;
    bool operator==(const BoutonsCouplage&) const = default;
};
BoutonsCouplage EtatCouplage(const TEnteteEssai& e);

// Which measurement displays the run screen shows for the current test.
struct Visibilites {
    bool tensionCourant = true;
    bool excitation = true;
    bool facteurPuissance = true;
    // The application's quantities; a column without a quantity (an empty descriptor) shows none.
    bool colonne12 = true;
    bool colonne13 = true;
    bool colonne14 = true;
    bool temps = false;
    // A coupling is chosen, or the machine needs none: measurements mean what they say.
    bool couplageChoisi = true;
    bool operator==(const Visibilites&) const = default;
};
// `oscilloscope`: the oscilloscope recording is on.
Visibilites VisibilitesAffichages(const Travail& t, const SessionTravail& s, bool oscilloscope);
// The test holds a recording against time: its second point is at least a hundredth of a second on.
bool EnregistrementTemporel(const TEssai& e);

// The test's parameters differ from those chosen, or it was recorded on another machine: the
// points it holds would be relabelled, so the run needs a test of its own. P5 follows from the
// others (an inertia) and is not compared.
bool ParametresChanges(const Travail& t, const SessionTravail& s);

// The current test against the chosen application, before the load runs:
// 1. a test of another application that holds points: the work is renewed, after offering to save
//    it (the question comes back while the user wants it saved and it was not);
// 2. a new test when there is none, or when the current one holds points and the parameters or the
//    machine changed (nothing is added past five tests);
// 3. the current test takes the application, the machine and the parameters, and becomes the
//    template of the tests that follow.
// Returns true when the work was renewed (the window then releases its load and graph buttons).
bool ReconcilieEssai(Travail& t, SessionTravail& s);
// A new work from the run screen: the work-file names forgotten, the first test selected.
void InitialisationApplication(Travail& t, SessionTravail& s);
