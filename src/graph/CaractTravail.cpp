#include "CaractTravail.h"

#include "Courbe.h"
#include "work/Format.h"
#include "work/SessionTravail.h"

#include <algorithm>

namespace {

int colonneSure(int c) {
    return c >= 0 && c < NB_COLONNES ? c : -1;
}

const TDefCaract& definition(const Travail& t, int n) {
    static const TDefCaract vide;
    return n >= 1 && n <= NB_DEF_CARACT ? t.EnteteTravail.DefCaract(n) : vide;
}

} // namespace

void RemplitCourbe(TTrace& courbe, const Travail& t, int n, int essai, bool enAcquisition) {
    courbe.Premier = 0;
    courbe.Dernier = -1;
    courbe.TypeMarqueur = essai;
    courbe.Interpolation = enAcquisition ? -1 : t.EnteteTravail.Interpolation;
    courbe.IndexCouleur = essai;
    courbe.StyleCrayon = 0;
    courbe.FacteurEpaisseur = 0;
    courbe.TypeBrosse = 3;
    if (essai < 1 || essai > NB_ESSAIS_MAX) return;
    const TEssai& e = t.Essais[essai];
    const TDefCaract& d = definition(t, n);
    const int cx = colonneSure(d.ColonneX), cy = colonneSure(d.ColonneY);
    if (cx < 0 || cy < 0) return;
    courbe.Dernier = std::min(e.Entete.DernierPoint(), DERNIER_POINT_MAX);
    courbe.X = e.Colonnes[cx];
    courbe.Y = e.Colonnes[cy];
}

QString TexteValeursCaract(const Travail& t, const SessionTravail& session, int n) {
    const TDefCaract& d = definition(t, n);
    static const TGrandeur vide;
    const TGrandeur& gx = colonneSure(d.ColonneX) >= 0 ? session.Colonnes[d.ColonneX] : vide;
    const TGrandeur& gy = colonneSure(d.ColonneY) >= 0 ? session.Colonnes[d.ColonneY] : vide;
    auto unite = [](const TGrandeur& g) { return g.Unite.isEmpty() ? QString() : u'(' + g.Unite + u')'; };
    QString s = gx.Symbole + u'\t' + gy.Symbole + QStringLiteral("\r\n") + unite(gx) + u'\t' + unite(gy) +
                QStringLiteral("\r\n");
    // Only a test of the work: the scratch test 0 is nobody's selection.
    if (session.EssaiCourant < 1 || session.EssaiCourant > NB_ESSAIS_MAX) return s;
    if (colonneSure(d.ColonneX) < 0 || colonneSure(d.ColonneY) < 0) return s;
    const TEssai& e = t.Essais[session.EssaiCourant];
    const int dernier = std::min(e.Entete.DernierPoint(), DERNIER_POINT_MAX);
    for (int k = 0; k <= dernier; ++k)
        s += TexteValeur(e.valeur(d.ColonneX, k), gx.Decimales) + u'\t' +
             TexteValeur(e.valeur(d.ColonneY, k), gy.Decimales) + QStringLiteral("\r\n");
    return s;
}
