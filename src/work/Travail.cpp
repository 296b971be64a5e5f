#include "Travail.h"

#include "work/SessionTravail.h"

#include "work/Applications.h"
#include "work/LoisCharge.h"

#include <algorithm>

void TEnteteEssai::setOctet(int i, uint8_t v) {
    auto u = static_cast<uint32_t>(mots[i / 4]);
    const int s = 8 * (i % 4);
    u = (u & ~(0xFFu << s)) | (static_cast<uint32_t>(v) << s);
    mots[i / 4] = static_cast<int32_t>(u);
}

QString TEnteteEssai::Commentaire() const {
    ChaineCourte<capaciteCommentaire> c;
    for (int i = 0; i < c.taille; ++i)
        c.octets[i] = octet(octetCommentaire + i);
    return c.texte();
}

void TEnteteEssai::setCommentaire(const QString& texte) {
    ChaineCourte<capaciteCommentaire> c;
    for (int i = 0; i < c.taille; ++i)
        c.octets[i] = octet(octetCommentaire + i);
    c.setTexte(texte);
    for (int i = 0; i < c.taille; ++i)
        setOctet(octetCommentaire + i, c.octets[i]);
}

const TEnteteEssai& TEnteteEssai::defaut() {
    static const TEnteteEssai d = [] {
        TEnteteEssai e;
        e[MotDernierPoint] = -1;
        e[3] = 20;
        e[4] = 50, e[5] = 20;
        e[6] = 50, e[7] = 20;
        e[8] = 50, e[9] = 20;
        e[10] = 50, e[11] = 20, e[12] = 100;
        e[13] = 1;
        e[MotDureeOscillo] = 10;
        e[MotVariableSynchro] = 2;
        e[MotSeuilSynchro] = 5;
        e[21] = 2;
        e[23] = 50, e[24] = 20, e[25] = 10;
        e[26] = 130, e[27] = 10, e[28] = 85;
        return e;
    }();
    return d;
}

void Travail::NouveauTravail(SessionTravail& s) {
    Vide();
    s.Reinitialise();
}

void Travail::Vide() {
    TEnteteTravail& e = EnteteTravail;
    e.Identification.setTexte("Vimra-Tavernole");
    e.Version = 1020;
    e.Commentaire.setTexte(QString());
    e.NbEssais = 0;
    e.Interpolation = -1;
    e.Reserve[1] = e.Reserve[2] = e.Reserve[3] = 0; // the first word is left as it is
    e.Drapeaux.fill(1);
    e.Defs.fill(TDefCaract{});

    for (TEssai& essai : Essais)
        essai.Entete = TEnteteEssai::defaut();
    for (int k = 0; k <= NB_ESSAIS_MAX; ++k)
        EffaceColonnes(k);
}

void Travail::EffaceColonnes(int k) {
    if (k < 0 || k > NB_ESSAIS_MAX) return;
    for (auto& c : Essais[k].Colonnes)
        c.fill(0);
}

void Travail::AjouteEssai(SessionTravail& s) {
    if (EnteteTravail.NbEssais >= NB_ESSAIS_MAX) return;
    EnteteTravail.NbEssais += 1;
    s.EssaiCourant = EnteteTravail.NbEssais;
    s.ModeleEssai.DernierPoint() = -1;
    Essais[s.EssaiCourant].Entete = s.ModeleEssai;
    s.TravailEnregistre = false;
}

bool Travail::NouvelEssaiPossible() const {
    const int n = EnteteTravail.NbEssais;
    return n >= 1 && n <= NB_ESSAIS_MAX - 1 && Essais[n].Entete.DernierPoint() >= 0;
}

void Travail::SupprimeEssai(SessionTravail& s, int a) {
    const int n = EnteteTravail.NbEssais;
    if (a <= 0 || a > n || n > NB_ESSAIS_MAX) return;
    for (int k = a; k < n; ++k)
        Essais[k] = Essais[k + 1];
    Essais[n].Entete = TEnteteEssai::defaut();
    EnteteTravail.NbEssais -= 1;
    s.TravailEnregistre = false;
}

ResultatAjout Travail::AjoutePoint(SessionTravail& s, const VecteurMesures& mesures) {
    // A point outside the tests the work counts would be shown and never saved.
    if (!essaiValide(s.EssaiCourant)) return ResultatAjout::PasDEssai;
    TEssai& essai = Essais[s.EssaiCourant];
    if (essai.Entete.DernierPoint() >= DERNIER_POINT_MAX) return ResultatAjout::EssaiPlein;
    // A header damaged below -1 would otherwise write before the store.
    const int k = std::max(essai.Entete.DernierPoint(), -1) + 1;
    essai.Entete.DernierPoint() = k;
    essai.valeur(0, k) = k;
    for (int c = 1; c < NB_COLONNES; ++c)
        essai.valeur(c, k) = mesures[c];
    s.TravailEnregistre = false;
    return ResultatAjout::Ajoute;
}

void Travail::SupprimePoint(SessionTravail& s, int p, int a) {
    if (!essaiValide(a) || p < 0) return;
    TEssai& essai = Essais[a];
    if (p > essai.Entete.DernierPoint()) return;
    const int n = essai.valeur(0, p);
    TriParNumero();
    const int dernier = essai.Entete.DernierPoint();
    // Point numbers come from the file; one that is not an index of the test names no point.
    if (n < 0 || n > dernier) return;
    for (auto& colonne : essai.Colonnes)
        std::copy(colonne.begin() + n + 2, colonne.begin() + dernier + 2, colonne.begin() + n + 1);
    essai.Entete.DernierPoint() = dernier - 1;
    for (int k = n; k <= dernier - 1; ++k)
        essai.valeur(0, k) = k;
    Retri();
    s.TravailEnregistre = false;
}

void Travail::SupprimeCaract(SessionTravail& s, int a) {
    if (a < 1 || a > 4) return;
    for (int i = a; i < 4; ++i)
        EnteteTravail.DefCaract(i) = EnteteTravail.DefCaract(i + 1);
    EnteteTravail.DefCaract(4) = TDefCaract{};
    s.TravailEnregistre = false;
}

int Travail::NbCaract() const {
    int n = 0;
    for (int a = 1; a <= 4; ++a)
        if (EnteteTravail.DefCaract(a).Defini) ++n;
    return n;
}

int Travail::TypeMachine(int essai) const {
    if (essai <= 0 || essai > NB_ESSAIS_MAX) return 0;
    const int t = Essais[essai].Entete.TypeMachine();
    return t >= 0 && t <= 7 ? t : 0;
}

int Travail::TypeCharge(int essai) const {
    if (essai <= 0 || essai > NB_ESSAIS_MAX) return 0;
    const int t = Essais[essai].Entete.TypeCharge();
    return t >= 0 && t <= DERNIER_TYPE_CHARGE ? t : 0;
}

bool Travail::EssaiConforme(int x, const TEnteteEssai& m) const {
    if (x < 0 || x > NB_ESSAIS_MAX) return false;
    const TEnteteEssai& e = Essais[x].Entete;
    if (e.DernierPoint() < 0) return true;
    const int type = e.TypeCharge();
    const DescriptionLoi& loi = DescriptionLoiCharge(type);
    if (e.TypeMachine() == m.TypeMachine() && loi.essaisCommuns &&
        DescriptionLoiCharge(m.TypeCharge()).essaisCommuns)
        return true;
    if (type != m.TypeCharge() || loi.nbMots == 0) return false;
    for (int mot : loi.motsParametres())
        if (e[mot] != m[mot]) return false;
    if (ChargeDynamique(type) && e[TEnteteEssai::MotInertie] != m[TEnteteEssai::MotInertie]) return false;
    return true;
}

bool GrandeursApplication(int code, std::array<TGrandeur, 3>& grandeurs, std::array<bool, 3>& offertes) {
    const DescriptionApplication* a = DescriptionDApplication(code);
    if (!a) return false;
    const auto& g = Textes().Grandeurs;
    for (std::size_t i = 0; i < 3; ++i)
        grandeurs[i] = a->grandeurs[i] < 0 ? TGrandeur{} : g[std::size_t(a->grandeurs[i])];
    offertes = a->offertes;
    return true;
}

int ZoomDefaut(int classePuissance, int colonne) {
    static constexpr int table[4][12] = {
        {18, 15, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18},
        {18, 15, 27, 27, 18, 27, 27, 18, 18, 18, 27, 18},
        {18, 15, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18},
        {18, 15, 0, 0, 18, 0, 0, 18, 18, 18, 0, 18},
    };
    // Full scale for the application columns and for a class the settings file should not hold.
    if (classePuissance < 0 || classePuissance > 3 || colonne < 0 || colonne > 11) return 18;
    return table[classePuissance][colonne];
}
