#include "FichierTravail.h"
#include "socle/FichierAtomique.h"

#include "SessionTravail.h"
#include "socle/Dialogues.h"
#include "socle/Octets.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int OCTETS_DEF_CARACT_MLX2 = 136;
constexpr int NB_DEF_CARACT_MLX2 = 4;
static_assert(OCTETS_DEF_CARACT_MLX2 + NB_DEF_CARACT_MLX2 * TDefCaract::taille + 1344 == TAILLE_ENTETE_MLX2);

// The work header appended to b, which holds nothing yet.
void ecritEntete(QByteArray& b, const Travail& t, Disposition d);

int nbColonnes(Disposition d) {
    return ColonnesFichier(d);
}
int tailleEntete(Disposition d) {
    return TailleEnteteFichier(d);
}

qsizetype tailleMax(Disposition d) {
    return tailleEntete(d) +
           NB_ESSAIS_MAX * (TEnteteEssai::taille + qsizetype(nbColonnes(d)) * NB_POINTS_MAX * 4);
}

void ecrit(EcrivainOctets& e, const TDefCaract& d) {
    e.u8(d.Defini);
    e.u8(d.Affichee);
    e.octets(d.Reserve);
    e.i32(d.ColonneX);
    e.i32(d.ZoomX);
    e.i32s(d.ReserveX.data(), 2);
    e.i32(d.ColonneY);
    e.i32(d.ZoomY);
    e.i32s(d.ReserveY.data(), 2);
    e.i32(d.Quadrant);
}

void lit(LecteurOctets& l, TDefCaract& d) {
    d.Defini = l.u8();
    d.Affichee = l.u8();
    l.octets(d.Reserve);
    d.ColonneX = l.i32();
    d.ZoomX = l.i32();
    l.i32s(d.ReserveX.data(), 2);
    d.ColonneY = l.i32();
    d.ZoomY = l.i32();
    l.i32s(d.ReserveY.data(), 2);
    d.Quadrant = l.i32();
}

// The part both headers share, up to Interpolation.
void ecritDebut(EcrivainOctets& e, const TEnteteTravail& h, bool remplissage) {
    e.octets(h.Identification.octets);
    e.u8(remplissage ? h.Remplissage21 : 0);
    e.u16(h.Version);
    e.octets(h.Commentaire.octets);
    if (remplissage)
        e.octets(h.Remplissage125);
    else
        e.zeros(3);
    e.i32(h.NbEssais);
    e.i32(h.Interpolation);
}

void ecritEssais(EcrivainOctets& e, const Travail& t, Disposition d) {
    for (int k = 1; k <= t.EnteteTravail.NbEssais && k <= NB_ESSAIS_MAX; ++k) {
        const TEssai& essai = t.Essais[k];
        e.i32s(essai.Entete.mots.data(), NB_MOTS_ENTETE_ESSAI);
        const int n = std::clamp(essai.nbPoints(), 0, NB_POINTS_MAX);
        for (int c = 0; c < nbColonnes(d); ++c)
            e.i32s(essai.Colonnes[c].data() + 1, n);
    }
}

int32_t motA(const QByteArray& b, qsizetype pos) {
    LecteurOctets l(b.constData() + pos, 4);
    return l.i32();
}

bool definitionLisible(const TDefCaract& d) {
    if (!d.Defini) return true;
    const auto colonne = [](int32_t c) { return c >= 0 && c < NB_COLONNES; };
    const auto zoom = [](int32_t z) { return z >= 0 && z <= 50; };
    return colonne(d.ColonneX) && colonne(d.ColonneY) && zoom(d.ZoomX) && zoom(d.ZoomY) && d.Quadrant >= 0 &&
           d.Quadrant <= 8;
}

// Walks the counts a file announces before anything is copied: at most five tests, each
// with -1..2000 as last point, and a length equal to what they add up to.
bool structureValide(const QByteArray& b, Disposition d) {
    if (b.size() < tailleEntete(d)) return false;
    const int32_t nbEssais = motA(b, OCTET_NB_ESSAIS);
    if (nbEssais < 0 || nbEssais > NB_ESSAIS_MAX) return false;
    qsizetype pos = tailleEntete(d);
    for (int k = 1; k <= nbEssais; ++k) {
        if (b.size() - pos < TEnteteEssai::taille) return false;
        const int32_t dernier = motA(b, pos + 4 * TEnteteEssai::MotDernierPoint);
        if (dernier < -1 || dernier > DERNIER_POINT_MAX) return false;
        pos += TEnteteEssai::taille + qsizetype(nbColonnes(d)) * (dernier + 1) * 4;
        if (pos > b.size()) return false;
    }
    return pos == b.size();
}

void litEssais(LecteurOctets& l, Travail& t, Disposition d) {
    for (int k = 1; k <= t.EnteteTravail.NbEssais; ++k) {
        TEssai& essai = t.Essais[k];
        l.i32s(essai.Entete.mots.data(), NB_MOTS_ENTETE_ESSAI);
        for (int c = 0; c < nbColonnes(d); ++c)
            l.i32s(essai.Colonnes[c].data() + 1, essai.nbPoints());
    }
}

} // namespace

QString TypeFichier(const QString& chemin) {
    const QString nom = QFileInfo(chemin).fileName();
    const qsizetype point = nom.indexOf(u'.');
    return point < 0 ? QString() : nom.mid(point + 1);
}

Disposition DispositionTravail(const Travail& t) {
    return t.ApplicationCourante >= 50 ? Disposition::Vimr2 : Disposition::MLX2;
}

int ColonnesFichier(Disposition d) {
    return d == Disposition::Vimr2 ? NB_COLONNES : 12;
}

int TailleEnteteFichier(Disposition d) {
    return d == Disposition::Vimr2 ? TEnteteTravail::taille : TAILLE_ENTETE_MLX2;
}

QByteArray OctetsTravail(const Travail& t, Disposition d) {
    QByteArray b;
    qsizetype taille = tailleEntete(d);
    for (int k = 1; k <= t.EnteteTravail.NbEssais && k <= NB_ESSAIS_MAX; ++k)
        taille += TEnteteEssai::taille +
                  qsizetype(nbColonnes(d)) * std::clamp(t.Essais[k].nbPoints(), 0, NB_POINTS_MAX) * 4;
    b.reserve(taille);
    ecritEntete(b, t, d);
    EcrivainOctets e(b);
    ecritEssais(e, t, d);
    return b;
}

QByteArray OctetsEnteteTravail(const Travail& t, Disposition d) {
    QByteArray b;
    b.reserve(tailleEntete(d));
    ecritEntete(b, t, d);
    return b;
}

namespace {

void ecritEntete(QByteArray& b, const Travail& t, Disposition d) {
    EcrivainOctets e(b);
    const TEnteteTravail& h = t.EnteteTravail;
    if (d == Disposition::Vimr2) {
        ecritDebut(e, h, true);
        e.i32s(h.Reserve.data(), 4);
        e.octets(h.Drapeaux);
        for (const TDefCaract& def : h.Defs)
            ecrit(e, def);
    } else {
        ecritDebut(e, h, false);
        for (int a = 1; a <= NB_DEF_CARACT_MLX2; ++a)
            ecrit(e, h.DefCaract(a));
        e.zeros(TAILLE_ENTETE_MLX2 - static_cast<int>(b.size()));
    }
}

} // namespace

bool OctetsTravailValides(const QByteArray& b, Disposition d) {
    if (!structureValide(b, d)) return false;
    const int nb = d == Disposition::Vimr2 ? NB_DEF_CARACT : NB_DEF_CARACT_MLX2;
    LecteurOctets l(b);
    l.saute(d == Disposition::Vimr2 ? TEnteteTravail::taille - NB_DEF_CARACT * TDefCaract::taille
                                    : OCTETS_DEF_CARACT_MLX2);
    for (int a = 0; a < nb; ++a) {
        TDefCaract def;
        lit(l, def);
        if (!definitionLisible(def)) return false;
    }
    return l.ok();
}

bool DecodeTravail(Travail& t, SessionTravail& s, const QByteArray& b, Disposition d) {
    t.NouveauTravail(s);
    if (!structureValide(b, d)) return false;

    LecteurOctets l(b);
    TEnteteTravail lu;
    l.octets(lu.Identification.octets);
    lu.Remplissage21 = l.u8();
    lu.Version = l.u16();
    l.octets(lu.Commentaire.octets);
    l.octets(lu.Remplissage125);
    lu.NbEssais = l.i32();
    lu.Interpolation = l.i32();
    TEnteteTravail h = t.EnteteTravail;
    if (d == Disposition::Vimr2) {
        l.i32s(lu.Reserve.data(), 4);
        l.octets(lu.Drapeaux);
        for (TDefCaract& def : lu.Defs)
            lit(l, def);
        h = lu;
    } else {
        // The larger header gives the strings (cut to their capacity), the counts and four
        // definitions; the reserved words and flags take their values of a new work.
        h.Identification = lu.Identification;
        h.Identification.octets[0] = static_cast<uint8_t>(lu.Identification.longueur());
        h.Version = lu.Version;
        h.Commentaire = lu.Commentaire;
        h.Commentaire.octets[0] = static_cast<uint8_t>(lu.Commentaire.longueur());
        h.NbEssais = lu.NbEssais;
        h.Interpolation = lu.Interpolation;
        h.Reserve.fill(0);
        h.Drapeaux.fill(1);
        for (int a = 1; a <= NB_DEF_CARACT_MLX2; ++a)
            lit(l, h.DefCaract(a));
        l.saute(TAILLE_ENTETE_MLX2 - l.position());
    }
    for (const TDefCaract& def : h.Defs) {
        if (!definitionLisible(def)) return false;
    }
    t.EnteteTravail = h;
    litEssais(l, t, d);
    if (!l.ok()) {
        t.NouveauTravail(s);
        return false;
    }
    s.TravailEnregistre = true;
    s.EssaiCourant = t.EnteteTravail.NbEssais;
    const TEnteteEssai& dernier = t.Essais[s.EssaiCourant].Entete;
    t.ApplicationCourante = dernier.TypeCharge();
    for (int i = 0; i < 6; ++i)
        t.ParamApplication[i] = dernier[TEnteteEssai::MotParamApplication + i];
    return true;
}

bool EcritTravail(const Travail& t, SessionTravail& s, const QString& nom, Disposition d) {
    const QByteArray b = OctetsTravail(t, d);
    if (!EcritFichierAtomique(nom, b)) {
        dialogues().avertissement(Textes().Texte[txt::ErreurEcriture]);
        return false;
    }
    s.NomFichierCourant = nom;
    s.TravailEnregistre = true;
    return true;
}

bool LitTravail(Travail& t, SessionTravail& s, const QString& nom) {
    // Every way through starts from a new work: the decoding resets it, and so does a failure.
    const QString type = TypeFichier(nom);
    bool ok = false;
    if (type == QLatin1String(TYPE_MLX2) || type == QLatin1String(TYPE_VIMR2)) {
        const Disposition d = type == QLatin1String(TYPE_MLX2) ? Disposition::MLX2 : Disposition::Vimr2;
        QFile f(nom);
        if (f.open(QIODevice::ReadOnly)) {
            // One byte more than the largest work tells a file that is too long.
            const QByteArray b = f.read(tailleMax(d) + 1);
            ok = f.error() == QFileDevice::NoError && DecodeTravail(t, s, b, d);
        }
    }
    if (!ok) {
        t.NouveauTravail(s);
        dialogues().avertissement(Textes().Texte[txt::ErreurLecture]);
        return false;
    }
    s.NomFichierCourant = nom;
    return true;
}
