#include "TriPoints.h"

#include "work/DefinitionCaract.h"
#include "work/LoisCharge.h"
#include "work/SessionTravail.h"

std::vector<int> ColonnesTri(int typeMachine) {
    std::vector<int> colonnes;
    for (int c = 0; c <= 10; ++c)
        if (ColonneOfferte(typeMachine, c)) colonnes.push_back(c);
    return colonnes;
}

namespace {

void regle(TEnteteEssai& e, ChoixTri choix) {
    e[TEnteteEssai::MotColonneTri] = choix.colonne;
    e[TEnteteEssai::MotOrdreTri] = choix.ordre;
}

} // namespace

void TriCourbeSelectionnee(Travail& t, SessionTravail& s, ChoixTri choix) {
    if (s.EssaiCourant >= 1 && s.EssaiCourant <= NB_ESSAIS_MAX) regle(t.Essais[s.EssaiCourant].Entete, choix);
    t.Retri(); // reorders points without changing what was measured: nothing to save
}

void TriToutesCourbes(Travail& t, ChoixTri choix) {
    for (int k = 1; k <= NB_ESSAIS_MAX; ++k)
        regle(t.Essais[k].Entete, choix);
    t.Retri(); // reorders points without changing what was measured: nothing to save
}

bool TriCourbeSelectionneeActif(int typeCharge, bool actuel) {
    const TriCourbe tri = DescriptionTypeCharge(typeCharge).triCourbe;
    return tri == TriCourbe::Inchange ? actuel : tri == TriCourbe::Actif;
}

namespace {

template <class T, class S> auto& enteteCourante(T& t, S& s) {
    return s.EssaiCourant >= 1 && s.EssaiCourant <= NB_ESSAIS_MAX ? t.Essais[s.EssaiCourant].Entete
                                                                  : s.ModeleEssai;
}

} // namespace

int CalibreEssaiCourant(const Travail& t, const SessionTravail& s) {
    // The link reads any value but 1 as the 20 A range.
    return enteteCourante(t, s)[TEnteteEssai::MotCalibreCourant] == 1 ? 1 : 0;
}

void ChoisitCalibreEssaiCourant(Travail& t, SessionTravail& s, int calibre) {
    enteteCourante(t, s)[TEnteteEssai::MotCalibreCourant] = calibre;
}
