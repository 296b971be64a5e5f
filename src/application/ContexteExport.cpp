#include "ContexteExport.h"

#include "application/Application.h"
#include "application/ReglagesApplication.h"
#include "socle/ConfigGenerale.h"
#include "socle/Textes.h"
#include "study/CaractCharge.h"
#include "work/LoisCharge.h"
#include "work/Travail.h"

namespace {

// A caption of the panel without the colon it ends with there.
QString libelle(QString s) {
    s = s.trimmed();
    if (s.endsWith(u':')) s.chop(1);
    return s.trimmed();
}

void ajoute(std::vector<LigneContexte>& l, const QString& libelleBrut, const QString& valeur) {
    const QString c = libelle(libelleBrut);
    if (!c.isEmpty() || !valeur.trimmed().isEmpty()) l.push_back({c, valeur.trimmed()});
}

std::vector<LigneContexte> application(const TEnteteEssai& e) {
    std::vector<LigneContexte> l;
    const int code = e.TypeCharge();
    const QString nom = NomApplication(code);
    if (nom.isEmpty()) return l;
    l.push_back({Traduit("Application", "Application", "Aplicación"), nom.trimmed()});
    ParamsApplication p;
    for (int i = 0; i < 6; ++i)
        p[std::size_t(i)] = e[TEnteteEssai::MotParamApplication + i];
    const PanneauParametres panneau = ParametresAffiches(code, p, ConfigGenerale().ClassePuissance);
    if (!panneau.nomPompe.isEmpty()) ajoute(l, Traduit("Pompe", "Pump", "Bomba"), panneau.nomPompe);
    for (int i = 0; i < NbLignesAff; ++i) {
        const LigneParametre& x = panneau.lignes[std::size_t(i)];
        // The inertia of the drive's block is a live measurement, not a parameter of the test.
        if (!x.visible || (i == AffInertie && panneau.inertieDuBloc)) continue;
        ajoute(l, x.libelle, x.texte());
    }
    return l;
}

std::vector<LigneContexte> loiDeCharge(const TEnteteEssai& e) {
    std::vector<LigneContexte> l;
    const int type = e.TypeCharge();
    if (LoiDuType(type) == Loi::Aucune) return l;
    l.push_back({Traduit("Charge", "Load", "Carga"), Textes().Texte[txt::TypeChargeLong + type].trimmed()});
    if (!ChargeDuPanneau(type)) return l;
    // The panel recomputes a word of the lift law: it works on a copy.
    TEnteteEssai copie = e;
    CaractCharge c(copie, ConfigGenerale());
    c.SetMode(type);
    ajoute(l, c.TextC1, c.TextB1);
    if (c.Volet2Visible) ajoute(l, c.TextC2, c.TextB2);
    ajoute(l, c.TextC3, c.TextB3);
    if (c.PanelCycleVisible) {
        ajoute(l, c.StaticTextReduction, c.StaticTextred);
        ajoute(l, c.StaticTextPent, c.StaticTextPente);
    }
    if (c.PanelInertieVisible) ajoute(l, Textes().Texte[txt::Inertie], c.TextJ);
    return l;
}

} // namespace

std::vector<LigneContexte> ParametresChargeEssai(const TEnteteEssai& entete, bool estApplication) {
    return estApplication ? application(entete) : loiDeCharge(entete);
}
