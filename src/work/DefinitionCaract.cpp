#include "DefinitionCaract.h"

#include "socle/Textes.h"
#include "work/Applications.h"
#include "work/LoisCharge.h"
#include "work/SessionTravail.h"

#include <algorithm>
#include <array>

bool ColonneOfferte(int typeMachine, int colonne) {
    if (typeMachine < 0 || typeMachine > 7) typeMachine = 0;
    // Only a separately excited machine or an alternator has an excitation current to measure;
    // the power factor means nothing on a DC supply.
    static constexpr std::array<bool, 8> excitation = {true, true, false, false, true, false, false, false};
    static constexpr std::array<bool, 8> facteurPuissance = {true, false, false, true,
                                                             true, false, true,  true};
    if (colonne == 7) return excitation[typeMachine];
    if (colonne == 9) return facteurPuissance[typeMachine];
    return colonne >= 0 && colonne <= 10;
}

bool TempsParDefaut(int typeCharge) {
    return ChargeDynamique(typeCharge);
}

bool TempsOffert(int typeCharge) {
    return TempsParDefaut(typeCharge) || CodeApplication(typeCharge);
}

namespace {

// French, English, Spanish.
using Traductions = std::array<const char*, 3>;

constexpr std::array<Traductions, NB_QUADRANTS> bullesQuadrants = {{
    {"Etude dans les quatre quadrants", "Study in the four quadrants", "Estudio en los cuatro cuadrantes"},
    {"Etude dans le quadrant 1", "Study in quadrant 1", "Estudio en el cuadrante 1"},
    {"Etude dans les quadrants 1 et 4", "Study in quadrants 1 and 4", "Estudio en los cuadrantes 1 y 4"},
    {"Etude dans le quadrant 4", "Study in quadrant 4", "Estudio en el cuadrante 4"},
    {"Etude dans les quadrants 3 et 4", "Study in quadrants 3 and 4", "Estudio en los cuadrantes 3 y 4"},
    {"Etude dans le quadrant 3", "Study in quadrant 3", "Estudio en el cuadrante 3"},
    {"Etude dans les quadrants 2 et 3", "Study in quadrants 2 and 3", "Estudio en los cuadrantes 2 y 3"},
    {"Etude dans le quadrant 2", "Study in quadrant 2", "Estudio en el cuadrante 2"},
    {"Etude dans les quadrants 1 et 2", "Study in quadrants 1 and 2", "Estudio en los cuadrantes 1 y 2"},
}};

constexpr Traductions bulleOrdonnee = {"Sélection de la grandeur à afficher en ordonnée",
                                       "Choice of the quantity shown on the ordinate",
                                       "Selección de la magnitud mostrada en ordenadas"};
constexpr Traductions bulleAbscisse = {"Sélection de la grandeur à afficher en abscisse",
                                       "Choice of the quantity shown on the abscissa",
                                       "Selección de la magnitud mostrada en abscisas"};

QString traduit(const Traductions& t) {
    return Traduit(t[0], t[1], t[2]);
}

int positionDans(const std::vector<int>& colonnes, int n, int colonne) {
    const auto fin = colonnes.begin() + n;
    const auto i = std::find(colonnes.begin(), fin, colonne);
    return i == fin ? 0 : static_cast<int>(i - colonnes.begin());
}

bool cibleValide(int cible) {
    return cible >= 1 && cible <= NB_DEF_CARACT;
}

} // namespace

QString BulleQuadrant(int q) {
    return q >= 0 && q < NB_QUADRANTS ? traduit(bullesQuadrants[q]) : QString();
}
QString BulleOrdonnee() {
    return traduit(bulleOrdonnee);
}
QString BulleAbscisse() {
    return traduit(bulleAbscisse);
}

bool EcritDefinition(Travail& t, SessionTravail& s, int cible, ModeDefinition mode, int colonneX,
                     int colonneY, int quadrant, int classePuissance) {
    if (!cibleValide(cible)) return false;
    TDefCaract& d = t.EnteteTravail.DefCaract(cible);
    d.Defini = 1;
    d.Affichee = 1;
    d.ColonneX = colonneX;
    d.ColonneY = colonneY;
    if (mode == ModeDefinition::Nouveau) {
        d.ZoomX = ZoomDefaut(classePuissance, colonneX);
        d.ZoomY = ZoomDefaut(classePuissance, colonneY);
    }
    d.Quadrant = quadrant;
    s.TravailEnregistre = false;
    return true;
}

void DefinitionCaract::Prepare(const Travail& t, const SessionTravail& s) {
    // The plot window keeps the template equal to the current test's header; before a study
    // starts, the template already holds the machine and load about to be studied.
    const int typeMachine = s.ModeleEssai.TypeMachine();
    const int typeCharge = s.ModeleEssai.TypeCharge();
    ColonneDePosition.clear();
    for (int c = 1; c <= 10; ++c)
        if (ColonneOfferte(typeMachine, c)) ColonneDePosition.push_back(c);
    // An application flags its own columns; one flagged without a quantity would be a blank entry.
    if (typeCharge > 50)
        for (int c = 12; c <= 14; ++c)
            if (s.DrapeauxApplication[c - 12] && !s.Colonnes[c].Nom.isEmpty()) ColonneDePosition.push_back(c);
    NbOrdonnees = static_cast<int>(ColonneDePosition.size());
    if (TempsOffert(typeCharge)) ColonneDePosition.push_back(COLONNE_TEMPS);
    const int n = static_cast<int>(ColonneDePosition.size());

    if (Mode == ModeDefinition::Nouveau) {
        PositionY = std::min(1, NbOrdonnees - 1);
        PositionX = TempsParDefaut(typeCharge) ? n - 1 : 0;
        Quadrant = QUADRANT_TOUS;
    } else {
        const TDefCaract d = cibleValide(Cible) ? t.EnteteTravail.DefCaract(Cible) : TDefCaract{};
        PositionX = positionDans(ColonneDePosition, n, d.ColonneX);
        // A time ordinate (possible only without a window) is not in the ordinate list.
        PositionY = positionDans(ColonneDePosition, NbOrdonnees, d.ColonneY);
        Quadrant = d.Quadrant >= 0 && d.Quadrant < NB_QUADRANTS ? d.Quadrant : QUADRANT_TOUS;
    }
    RegleQuadrant();
}

QStringList DefinitionCaract::NomsOrdonnee(const SessionTravail& s) const {
    QStringList noms;
    for (int i = 0; i < NbOrdonnees; ++i)
        noms << s.Colonnes[ColonneDePosition[i]].Nom;
    return noms;
}

QStringList DefinitionCaract::NomsAbscisse(const SessionTravail& s) const {
    QStringList noms;
    for (int c : ColonneDePosition)
        noms << s.Colonnes[c].Nom;
    return noms;
}

int DefinitionCaract::ColonneX() const {
    return PositionX >= 0 && PositionX < static_cast<int>(ColonneDePosition.size())
               ? ColonneDePosition[PositionX]
               : 0;
}

int DefinitionCaract::ColonneY() const {
    return PositionY >= 0 && PositionY < NbOrdonnees ? ColonneDePosition[PositionY] : 0;
}

bool DefinitionCaract::QuadrantPermis(int q) const {
    if (q < 0 || q >= NB_QUADRANTS) return false;
    return ColonneX() != COLONNE_TEMPS || (q >= 1 && q <= 3);
}

void DefinitionCaract::RegleQuadrant() {
    if (ColonneX() == COLONNE_TEMPS) {
        if (!QuadrantPermis(Quadrant)) Quadrant = QUADRANT_1_ET_4;
    } else if (Mode == ModeDefinition::Nouveau) {
        Quadrant = QUADRANT_TOUS;
    }
}

void DefinitionCaract::ChoisitAbscisse(int position) {
    if (position < 0 || position >= static_cast<int>(ColonneDePosition.size())) return;
    PositionX = position;
    RegleQuadrant();
}

void DefinitionCaract::ChoisitOrdonnee(int position) {
    if (position < 0 || position >= NbOrdonnees) return;
    PositionY = position;
}

bool DefinitionCaract::ChoisitQuadrant(int q) {
    if (!QuadrantPermis(q)) return false;
    Quadrant = q;
    return true;
}

bool DefinitionCaract::Valide(Travail& t, SessionTravail& s, int classePuissance) const {
    return EcritDefinition(t, s, Cible, Mode, ColonneX(), ColonneY(), Quadrant, classePuissance);
}

bool DefinitionCaract::InitCaract_Y_de_X(Travail& t, SessionTravail& s, int colonneY, int colonneX,
                                         int classePuissance) const {
    return EcritDefinition(t, s, Cible, Mode, colonneX, colonneY, QUADRANT_TOUS, classePuissance);
}

void DefinitionCaract::ChoisitCalibre(Travail& t, SessionTravail& s, int calibre) const {
    s.ModeleEssai[TEnteteEssai::MotCalibreCourant] = calibre;
    if (Mode == ModeDefinition::Modification && s.EssaiCourant >= 1 && s.EssaiCourant <= NB_ESSAIS_MAX)
        t.Essais[s.EssaiCourant].Entete[TEnteteEssai::MotCalibreCourant] = calibre;
}

bool DefinitionCaract::Calibre2A(const SessionTravail& s) {
    return s.ModeleEssai[TEnteteEssai::MotCalibreCourant] == 1;
}
