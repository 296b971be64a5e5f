#include "TriPoints.h"

#include "work/DefinitionCaract.h"
#include "work/LoisCharge.h"
#include "work/Travail.h"

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

void TriCourbeSelectionnee(Travail& t, ChoixTri choix) {
    if (t.EssaiCourant >= 1 && t.EssaiCourant <= NB_ESSAIS_MAX) regle(t.Essais[t.EssaiCourant].Entete, choix);
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

template <class T> auto& enteteCourante(T& t) {
    return t.EssaiCourant >= 1 && t.EssaiCourant <= NB_ESSAIS_MAX ? t.Essais[t.EssaiCourant].Entete
                                                                  : t.ModeleEssai;
}

} // namespace

int CalibreEssaiCourant(const Travail& t) {
    // The link reads any value but 1 as the 20 A range.
    return enteteCourante(t)[TEnteteEssai::MotCalibreCourant] == 1 ? 1 : 0;
}

void ChoisitCalibreEssaiCourant(Travail& t, int calibre) {
    enteteCourante(t)[TEnteteEssai::MotCalibreCourant] = calibre;
}
