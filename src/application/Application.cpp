#include "Application.h"

#include "application/Pompes.h"
#include "link/Visualisation.h"
#include "socle/Dialogues.h"
#include "socle/DialoguesFichiers.h"
#include "socle/Entier32.h"
#include "socle/ImageJpeg.h"
#include "socle/Textes.h"
#include "work/Applications.h"
#include "work/DefinitionCaract.h"
#include "work/FichierTravail.h"
#include "work/Format.h"
#include "work/SessionTravail.h"

#include <QDir>

#include <algorithm>

namespace {

int32_t coupleNominal(int classePuissance) {
    return ChampTailleBanc(classePuissance, 1);
}

// Texts of the parameter panel's labels.
namespace lib {
constexpr int Reduction = 192;
constexpr int VitesseLineaire = 194;
constexpr int Rendement = 195;
constexpr int Inertie = 196;
constexpr int CouplePerte = 199;
constexpr int Surcouple = 200;
constexpr int Diametre = 201;
constexpr int MasseTotale = 203;
constexpr int Roulement = 204;
constexpr int Cadence = 205;
constexpr int Deplacement = 206;
constexpr int Angle = 207;
constexpr int CoupleRemontee = 210;
constexpr int MasseCrochet = 211;
constexpr int Debit = 212;
constexpr int Degradation = 214;
constexpr int MassePrehenseur = 215;
constexpr int HauteurRefoulement = 216;
constexpr int HauteurManometrique = 217;
} // namespace lib

LigneParametre ligne(int texte, int32_t valeur, int decimales, const char* unite) {
    return {true, Textes().Texte[texte], TexteValeur(valeur, decimales), QString::fromUtf8(unite)};
}

} // namespace

QString LibelleCharge(int code) {
    const DescriptionApplication* a = DescriptionDApplication(code);
    return a && a->texteLibelleCharge >= 0 ? Textes().Texte[a->texteLibelleCharge] : QString();
}

QString ImageApplication(int code) {
    const DescriptionApplication* a = DescriptionDApplication(code);
    return a && a->illustreeEnMarche ? QString::fromLatin1(a->illustration) : QString();
}

VueImageApplication ChargeImageApplication(int code, const QString& dossierApplications) {
    VueImageApplication v;
    const QString nom = ImageApplication(code);
    if (nom.isEmpty()) return v;
    ImageJpeg j = ChargeJpeg(QDir(dossierApplications).filePath(nom));
    if (j.ok())
        v.image = std::move(j.image);
    else
        v.message = Textes().Texte[txt::ErreurLecture] + "\n" + nom + "\n" + j.detail;
    return v;
}

BarGraphe BarGrapheApplication(int code) {
    const DescriptionApplication* a = DescriptionDApplication(code);
    return a ? a->barGraphe : BarGraphe::Aucun;
}

bool ChargeDemarrable(int code) {
    return ModeCharge(code) != 0;
}

bool CoupleExcessif(int32_t couple, int classePuissance) {
    return coupleNominal(classePuissance) * 2 / 3 < couple;
}

int BordCacheBarGraphe(int position, int largeur, int maximum) {
    if (maximum <= 0) return 3;
    return int(int64_t(position) * largeur / maximum) + 3;
}

namespace {

// How the parameter panel shows an application's inertia: not at all, P5, or the drive's block.
enum class Inertie { Cachee, P5, Bloc };

// Load units as N.m: the parameter x Tn / 150, in hundredths.
LigneParametre couple(int texte, int32_t x, int32_t tn) {
    return ligne(texte, quotient32(produit32(x, tn), 150), 2, " N.m");
}

using Rangees = Inertie (*)(PanneauParametres& r, const ParamsApplication& p, int classePuissance,
                            int32_t tn);

Inertie sansParametre(PanneauParametres&, const ParamsApplication&, int, int32_t) {
    return Inertie::Bloc;
}
// No parameter of their own: only the inertia the drive is told.
Inertie inertieSeule(PanneauParametres&, const ParamsApplication&, int, int32_t) {
    return Inertie::P5;
}
// The two that lift a mass, named by `masse`.
Inertie levage(PanneauParametres& r, const ParamsApplication& p, int32_t tn, int masse) {
    auto& l = r.lignes;
    l[Aff4] = ligne(masse, quotient32(produit32(p[4], tn), 1500), 1, " kg");
    l[Aff5] = ligne(lib::VitesseLineaire, p[0], 1, " m/s");
    l[Aff6] = ligne(lib::Rendement, p[1], 0, " %");
    return Inertie::Bloc;
}
Inertie ventilation(PanneauParametres& r, const ParamsApplication& p, int, int32_t tn) {
    auto& l = r.lignes;
    l[Aff1] = couple(lib::CouplePerte, p[0], tn);
    l[Aff3] = ligne(lib::Degradation, p[2], 0, " %");
    l[Aff5] = ligne(lib::Debit, produit32(p[3], 100), 0, " m3/h");
    return Inertie::P5;
}

// In the order of the codes.
constexpr std::array<Rangees, NB_APPLICATIONS> rangees{{
    [](PanneauParametres& r, const ParamsApplication& p, int, int32_t tn) { // 51
        auto& l = r.lignes;
        l[Aff1] = ligne(lib::Roulement, p[1], 2, " N.m/kg");
        l[Aff3] = couple(lib::Surcouple, p[2], tn);
        l[Aff4] = ligne(lib::Diametre, p[3], 1, " m");
        l[Aff5] = ligne(lib::Reduction, p[0], 0, "");
        l[Aff6] = ligne(lib::MasseTotale, quotient32(produit32(p[4], tn), 150), 0, "");
        return Inertie::P5;
    },
    [](PanneauParametres& r, const ParamsApplication& p, int, int32_t tn) { // 52
        return levage(r, p, tn, lib::MassePrehenseur);
    },
    [](PanneauParametres& r, const ParamsApplication& p, int, int32_t tn) { // 53
        auto& l = r.lignes;
        l[Aff1] = couple(lib::CouplePerte, p[1], tn);
        l[Aff3] = couple(lib::Surcouple, p[2], tn);
        l[Aff5] = ligne(lib::VitesseLineaire, p[0], 2, " m/s");
        l[Aff6] = ligne(lib::Roulement, p[3], 2, " N/kg");
        return Inertie::Bloc;
    },
    sansParametre,                                                          // 54
    sansParametre,                                                          // 55
    sansParametre,                                                          // 56
    [](PanneauParametres& r, const ParamsApplication& p, int, int32_t tn) { // 57
        auto& l = r.lignes;
        l[Aff1] = couple(lib::CouplePerte, p[1], tn);
        l[Aff3] = couple(lib::CoupleRemontee, p[2], tn);
        l[Aff4] = ligne(lib::Deplacement, p[3], 2, " m");
        l[Aff5] = ligne(lib::Cadence, p[0], 1, " Cp/min");
        return Inertie::P5;
    },
    [](PanneauParametres& r, const ParamsApplication& p, int, int32_t tn) { // 58
        return levage(r, p, tn, lib::MasseCrochet);
    },
    sansParametre,                                                                       // 59
    sansParametre,                                                                       // 60
    [](PanneauParametres& r, const ParamsApplication& p, int classePuissance, int32_t) { // 61
        auto& l = r.lignes;
        const TModelePompe& m = ModelePompe(classePuissance, p[1]);
        l[Aff3] = ligne(lib::Degradation, p[2], 0, " %");
        l[Aff4] = ligne(lib::HauteurManometrique, m.HauteurNominale, 1, "m");
        l[Aff5] = ligne(lib::Debit, m.DebitNominal, 2, " m3/h");
        l[Aff6] = ligne(lib::HauteurRefoulement, quotient32(produit32(m.HauteurZero, p[0]), 100), 1, " m");
        r.nomPompe = m.nom();
        return Inertie::Cachee;
    },
    ventilation,                                                            // 62
    inertieSeule,                                                           // 63
    ventilation,                                                            // 64
    inertieSeule,                                                           // 65
    [](PanneauParametres& r, const ParamsApplication& p, int, int32_t tn) { // 66
        auto& l = r.lignes;
        l[Aff1] = couple(lib::CouplePerte, p[1], tn);
        l[Aff3] = couple(lib::Surcouple, p[2], tn);
        l[Aff4] = ligne(lib::Angle, p[4], 0, " °");
        l[Aff5] = ligne(lib::VitesseLineaire, p[0], 2, " m/s");
        l[Aff6] = ligne(lib::Roulement, p[3], 2, " N/kg");
        return Inertie::Bloc;
    },
}};

} // namespace

PanneauParametres ParametresAffiches(int code, const ParamsApplication& p, int classePuissance) {
    PanneauParametres r;
    const Inertie inertie = DescriptionDApplication(code)
                                ? rangees[std::size_t(code - PREMIERE_APPLICATION)](
                                      r, p, classePuissance, coupleNominal(classePuissance))
                                : Inertie::Bloc;
    auto& l = r.lignes;
    if (inertie != Inertie::Cachee) {
        l[AffInertie] = ligne(lib::Inertie, p[5], 3, " kg.m²");
        if (inertie == Inertie::Bloc) l[AffInertie].valeur = Textes().Texte[txt::TraitsAbsents];
    }
    r.inertieDuBloc = inertie == Inertie::Bloc;
    return r;
}

QString InertieDuBloc(const VecteurMesures& mesures) {
    return mesures[0] < 0 ? Textes().Texte[txt::TraitsAbsents] : TexteValeur(mesures[15], 3);
}

bool CouplageOffert(int typeMachine) {
    return typeMachine == 3 || typeMachine == 4 || typeMachine == 6;
}

BoutonsCouplage EtatCouplage(const TEnteteEssai& e) {
    BoutonsCouplage b;
    if (!CouplageOffert(e.TypeMachine())) return b;
    const int32_t c = e[TEnteteEssai::MotCouplage];
    b.etoileEnfoncee = c == CouplageEtoile;
    b.triangleEnfoncee = c == CouplageTriangle;
    const bool libre = e.DernierPoint() < 0;
    b.etoileVisible = libre || b.etoileEnfoncee;
    b.triangleVisible = libre || b.triangleEnfoncee;
    return b;
}

bool EnregistrementTemporel(const TEssai& e) {
    return e.Entete.DernierPoint() >= 1 && e.valeur(11, 1) >= 1;
}

Visibilites VisibilitesAffichages(const Travail& t, const SessionTravail& s, bool oscilloscope) {
    const TEssai& essai = t.Essais[std::clamp(s.EssaiCourant, 0, NB_ESSAIS_MAX)];
    const int machine = essai.Entete.TypeMachine();
    Visibilites v;
    if (CouplageOffert(machine)) {
        const int32_t c = essai.Entete[TEnteteEssai::MotCouplage];
        v.couplageChoisi = c == CouplageEtoile || c == CouplageTriangle;
        v.tensionCourant = v.couplageChoisi;
    }
    v.excitation = ColonneOfferte(machine, 7);
    v.facteurPuissance = ColonneOfferte(machine, 9);
    v.colonne12 = !s.Colonnes[12].Nom.isEmpty();
    v.colonne13 = s.DrapeauxApplication[1] && !s.Colonnes[13].Nom.isEmpty();
    v.colonne14 = s.DrapeauxApplication[2] && !s.Colonnes[14].Nom.isEmpty();
    v.temps = oscilloscope || EnregistrementTemporel(essai);
    return v;
}

bool ParametresChanges(const Travail& t, const SessionTravail& s) {
    const TEnteteEssai& e = t.Essais[std::clamp(s.EssaiCourant, 0, NB_ESSAIS_MAX)].Entete;
    for (int k = 0; k <= 4; ++k)
        if (t.ParamApplication[k] != e[TEnteteEssai::MotParamApplication + k]) return true;
    return s.MachineApplication > 0 && s.MachineApplication != e.TypeMachine();
}

void InitialisationApplication(Travail& t, SessionTravail& s) {
    t.NouveauTravail(s);
    dialoguesFichiers().SaveDialogMachine.nomFichier.clear();
    dialoguesFichiers().SaveDialogAppli.nomFichier.clear();
    s.NomFichierCourant.clear();
    s.EssaiCourant = 1;
}

namespace {

// The question before another application's work is renewed. A Yes whose save did not happen
// (dialog cancelled, write failed) asks again: only a No lets the work go unsaved.
void ProposeEnregistrement(Travail& t, SessionTravail& s) {
    if (s.TravailEnregistre) return;
    while (dialogues().question(Textes().Texte[txt::NouvelleApplicationEnregistrer], false) ==
           Dialogues::Reponse::Oui) {
        QString nom = s.NomFichierCourant;
        // A characteristic work's name would be read back in the other layout.
        if (nom.isEmpty() || TypeFichier(nom) != QLatin1String(TYPE_VIMR2))
            nom = dialoguesFichiers().SaveDialogAppli.enregistre();
        if (!nom.isEmpty() && EcritTravail(t, s, nom, Disposition::Vimr2)) return;
    }
}

} // namespace

bool ReconcilieEssai(Travail& t, SessionTravail& s) {
    bool renouvele = false;
    const auto courant = [&t, &s]() -> TEnteteEssai& { return t.Essais[s.EssaiCourant].Entete; };
    // A selection outside the tests is no test: one is added below.
    const bool essaiExiste =
        s.EssaiCourant >= 1 && s.EssaiCourant <= t.EnteteTravail.NbEssais && s.EssaiCourant <= NB_ESSAIS_MAX;
    if (essaiExiste && courant().TypeCharge() != t.ApplicationCourante && courant().DernierPoint() >= 0) {
        ProposeEnregistrement(t, s);
        InitialisationApplication(t, s);
        renouvele = true;
    }
    if (s.EssaiCourant < 1 || s.EssaiCourant > t.EnteteTravail.NbEssais || s.EssaiCourant > NB_ESSAIS_MAX) {
        t.AjouteEssai(s);
        // Five tests already, and the selection pointed past them: the last one takes it.
        if (s.EssaiCourant < 1 || s.EssaiCourant > t.EnteteTravail.NbEssais)
            s.EssaiCourant = std::clamp(t.EnteteTravail.NbEssais, 1, NB_ESSAIS_MAX);
    } else if (courant().DernierPoint() >= 0 && ParametresChanges(t, s)) {
        t.AjouteEssai(s);
    }
    TEnteteEssai& e = courant();
    e.TypeCharge() = t.ApplicationCourante;
    if (s.MachineApplication > 0) e.TypeMachine() = s.MachineApplication;
    for (int k = 0; k < 6; ++k)
        e[TEnteteEssai::MotParamApplication + k] = t.ParamApplication[k];
    // The measurements read the machine and the current range there, and later tests inherit it.
    s.ModeleEssai = e;
    return renouvele;
}
