#include "ConfigApplication.h"
#include "socle/FichierAtomique.h"

#include "Pompes.h"
#include "socle/Dialogues.h"
#include "socle/ImageJpeg.h"
#include "socle/Octets.h"
#include "socle/Textes.h"
#include "work/Entier32.h"
#include "work/Format.h"
#include "work/Travail.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

// Ranges of bars 1, 3, 4, 5, 6 for the applications that have their own.
struct LignePlages {
    int code;
    PlageBarre barres[5];
};

constexpr LignePlages plages[] = {
    {51, {{5, 20, 10}, {0, 10, 5}, {5, 20, 14}, {100, 200, 150}, {20, 200, 70}}},
    {52, {{5, 30, 10}, {20, 200, 50}, {50, 200, 100}, {5, 50, 20}, {50, 90, 80}}},
    {53, {{5, 30, 10}, {0, 50, 20}, {10, 100, 50}, {20, 200, 100}, {5, 30, 15}}},
    {57, {{5, 30, 10}, {10, 100, 50}, {10, 100, 50}, {200, 1200, 600}, {10, 500, 100}}},
    {58, {{10, 100, 50}, {10, 100, 50}, {50, 200, 100}, {1, 20, 10}, {50, 90, 75}}},
    {61, {{10, 100, 30}, {60, 90, 80}, {0, 5, 0}, {10, 100, 50}, {10, 100, 50}}},
    {62, {{2, 20, 10}, {50, 90, 80}, {10, 100, 50}, {10, 50, 50}, {10, 100, 25}}},
    {64, {{1, 20, 10}, {10, 50, 20}, {10, 100, 50}, {10, 50, 50}, {10, 200, 5}}},
    {66, {{20, 50, 30}, {0, 50, 20}, {0, 15, 5}, {10, 100, 50}, {20, 100, 50}}},
};

constexpr PlageBarre plageCommune{10, 100, 50};

int rangBarre(int barre) {
    switch (barre) {
    case 1:
        return 0;
    case 3:
        return 1;
    case 4:
        return 2;
    case 5:
        return 3;
    case 6:
        return 4;
    default:
        return -1;
    }
}

int32_t somme32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t difference32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
// A quotient formed in 64 bits, 0 for a zero divisor, kept as the 32-bit value it is stored as.
int32_t quotient64(int64_t a, int64_t b) {
    return b == 0 ? 0 : static_cast<int32_t>(a / b);
}

QString fmt(int32_t v, int d) {
    return TexteValeur(v, d);
}
QString entier(int32_t v) {
    return QString::number(v);
}
// A torque set in 150ths of the rated torque, shown in N.m.
QString couple(int32_t tn, int32_t p) {
    return fmt(quotient32(produit32(tn, p), 150), 2) + " N.m";
}
QString uniteInertie() {
    return QString::fromUtf8(" kg.m²");
}
QString inertie(int32_t j) {
    return " : " + fmt(j, 3) + uniteInertie();
}

// The mass a conveyor moves at the rated torque. The products are formed in 64 bits: in 32 bits
// they wrap on the largest bench (rated torque 30 N.m) and the mass would come out negative.
int32_t masseConvoyeur(int32_t p0, int32_t p1, int32_t tn, int32_t diviseur) {
    if (p0 == 0 || diviseur == 0) return 0;
    return static_cast<int32_t>(int64_t(difference32(100, p1)) * tn * 10472 / p0 / diviseur / 100);
}

// What the two conveyors (53 and 66) show for the mass `m` they move: the inertia it gives P5,
// the speed, the rolling coefficient, the loss and break-away torques.
void convoyeur(AffichageApplication& a, int32_t tn, ParamsApplication& p, int32_t m) {
    const int32_t j = p[0] != 0 ? quotient64(int64_t(m) * p[0] * p[0], 246740) : 0;
    p[5] = j;
    a.Aff5 = fmt(p[0], 2) + " m/s";
    a.Aff6 = fmt(p[3], 2) + " N/kg";
    a.Aff1 = couple(tn, p[1]);
    a.Aff3 = couple(tn, p[2]);
    a.Aff2 = "M = " + fmt(m, 0) + " kg";
    a.Inertie = inertie(j);
}

} // namespace

PlageBarre PlageBarreApplication(int code, int barre) {
    const int r = rangBarre(barre);
    if (r < 0) return plageCommune;
    for (const LignePlages& l : plages)
        if (l.code == code) return l.barres[r];
    return plageCommune;
}

bool BarreInversee(int barre) {
    return barre == 1 || barre == 3;
}

int32_t ValeurBarre(int code, int barre, int32_t position) {
    const PlageBarre p = PlageBarreApplication(code, barre);
    return BarreInversee(barre) ? p.Maximum + p.Minimum - position : position;
}

int32_t PositionBarre(int code, int barre, int32_t valeur) {
    const PlageBarre p = PlageBarreApplication(code, barre);
    const int32_t v = std::clamp(valeur, p.Minimum, p.Maximum);
    return BarreInversee(barre) ? p.Maximum + p.Minimum - v : v;
}

bool ApplicationConfigurable(int code) {
    switch (code) {
    case 51:
    case 52:
    case 53:
    case 57:
    case 58:
    case 61:
    case 62:
    case 64:
    case 66:
        return true;
    default:
        return false;
    }
}

ControlesApplication ControlesDefaut(int code) {
    ControlesApplication c;
    for (int b : BARRES_APPLICATION) {
        const PlageBarre p = PlageBarreApplication(code, b);
        c.Barre[b] = std::clamp(p.Defaut, p.Minimum, p.Maximum);
    }
    c.Pompe = 0;
    return c;
}

ControlesApplication ControlesDepuisParam(int code, const ParamsApplication& p) {
    ControlesApplication c = ControlesDefaut(code);
    auto& b = c.Barre;
    switch (code) {
    case 51:
    case 57:
        b[5] = p[0], b[1] = p[1], b[3] = p[2], b[4] = p[3], b[6] = p[4];
        break;
    case 52:
    case 58:
        b[5] = p[0], b[6] = p[1], b[4] = p[4];
        break;
    case 53:
        b[5] = p[0], b[1] = p[1], b[3] = p[2], b[6] = p[3];
        break;
    case 61:
        b[1] = p[0], b[3] = p[2];
        c.Pompe = p[1] >= 0 && p[1] < NB_MODELES_POMPE ? p[1] : 0;
        break;
    case 62:
    case 64:
        b[1] = p[0], b[3] = p[2], b[5] = p[3], b[6] = p[4];
        break;
    case 66:
        b[5] = p[0], b[1] = p[1], b[3] = p[2], b[6] = p[3], b[4] = p[4];
        break;
    default:
        break;
    }
    for (int k : BARRES_APPLICATION) {
        const PlageBarre r = PlageBarreApplication(code, k);
        b[k] = std::clamp(b[k], r.Minimum, r.Maximum);
    }
    return c;
}

AffichageApplication LitControles(int code, const ControlesApplication& c, int32_t tn, int classe,
                                  ParamsApplication& p) {
    AffichageApplication a;
    const auto& b = c.Barre;
    switch (code) {
    case 51: {
        p[0] = b[5], p[1] = b[1], p[2] = b[3], p[3] = b[4], p[4] = b[6];
        int32_t f = 0;
        if (p[0] != 0 && p[3] != 0)
            f = quotient32(quotient32(difference32(produit32(produit32(tn, p[0]), 100),
                                                   produit32(produit32(p[1], p[4]), 150)),
                                      p[3]),
                           750);
        int32_t j = 0;
        if (p[0] != 0)
            j = quotient32(
                produit32(quotient32(quotient32(produit32(produit32(produit32(p[4], p[3]), p[3]), 125), p[0]),
                                     p[0]),
                          tn),
                15000);
        p[5] = j;
        const int32_t min6 = PlageBarreApplication(code, 6).Minimum;
        a.Aff4 = fmt(p[3], 1) + " m";
        a.Aff5 = entier(p[0]);
        a.Aff6 = "(" + entier(quotient32(produit32(difference32(p[4], min6), tn), 150)) + " + " +
                 entier(quotient32(produit32(tn, min6), 150)) + ") kg";
        a.Aff1 = fmt(p[1], 2) + " N.m/kg";
        a.Aff3 = couple(tn, p[2]);
        a.Aff2 = "F = " + fmt(f, 0) + " N";
        a.Inertie = inertie(j);
        break;
    }
    case 52:
    case 58: {
        p[0] = b[5], p[1] = b[6], p[4] = b[4];
        const int32_t g = quotient32(produit32(p[4], tn), 1500);
        int32_t m = 0;
        if (p[0] != 0) m = quotient32(quotient32(produit32(produit32(tn, p[1]), 53), p[0]), 500);
        const int32_t j = quotient64(int64_t(m) * p[0] * p[0], 24670);
        p[5] = j;
        a.Aff4 = fmt(g, 1) + " kg";
        a.Aff5 = fmt(p[0], 1) + " m/s";
        a.Aff6 = entier(p[1]) + " %";
        a.Aff2 = "M = " + fmt(difference32(m, g), 1) + " kg";
        a.Inertie = inertie(j);
        break;
    }
    case 53: {
        p[0] = b[5], p[1] = b[1], p[2] = b[3], p[3] = b[6];
        convoyeur(a, tn, p, masseConvoyeur(p[0], p[1], tn, p[3]));
        break;
    }
    case 57: {
        p[0] = b[5], p[1] = b[1], p[2] = b[3], p[3] = b[4], p[4] = b[6];
        p[5] = p[4];
        const int32_t f = quotient32(
            quotient32(produit32(difference32(tn, quotient32(produit32(p[1], 3), 2)), 41888), p[3]), p[0]);
        a.Aff4 = fmt(p[3], 2) + " m";
        a.Aff5 = fmt(p[0], 1) + " Cp/min";
        a.Aff6 = fmt(p[4], 3) + uniteInertie();
        a.Aff1 = couple(tn, p[1]);
        a.Aff3 = couple(tn, p[2]);
        a.Aff2 = "Fmax = " + fmt(f, 0) + " N";
        break;
    }
    case 61: {
        p[0] = b[1], p[1] = c.Pompe, p[2] = b[3];
        const TModelePompe& m = ModelePompe(classe, p[1]);
        a.Aff1 = fmt(quotient32(produit32(m.HauteurZero, p[0]), 100), 1) + " m";
        a.Aff3 = entier(p[2]) + " %";
        // The total head of the chosen pump at its rated flow.
        a.Aff2 = "H = " + fmt(m.HauteurNominale, 1) + " m";
        break;
    }
    case 62:
    case 64: {
        p[0] = b[1], p[1] = code == 62 ? 100 : 90, p[2] = b[3], p[3] = b[5], p[4] = b[6];
        p[5] = p[4];
        const int32_t pr =
            quotient32(quotient32(produit32(produit32(difference32(100, p[0]), tn), 942), p[3]), 10000);
        a.Aff1 = couple(tn, p[0]);
        a.Aff3 = entier(p[2]) + " %";
        a.Aff5 = fmt(produit32(p[3], 100), 0) + " m3/h";
        a.Aff6 = fmt(p[4], 3) + uniteInertie();
        a.Aff2 = "P = " + fmt(pr, 3) + " Bar";
        break;
    }
    case 66: {
        p[0] = b[5], p[1] = b[1], p[2] = b[3], p[3] = b[6], p[4] = b[4];
        int32_t m = 0;
        if (p[0] != 0 && p[3] != 0) {
            const auto s = static_cast<int32_t>(std::trunc(100 * std::sin(p[4] * std::numbers::pi / 180)));
            m = masseConvoyeur(p[0], p[1], tn, somme32(quotient32(produit32(s, 981), 100), p[3]));
        }
        convoyeur(a, tn, p, m);
        a.Aff4 = fmt(p[4], 0) + QString::fromUtf8(" °");
        break;
    }
    default:
        break;
    }
    return a;
}

ParamsApplication ParamInit(int code, int32_t tn, int classe, ParamsApplication p) {
    if (code < 50) return p;
    LitControles(code, ControlesDefaut(code), tn, classe, p);
    if (code == 61) p[1] = 0;
    return p;
}

LegendesApplication Legendes(int code) {
    LegendesApplication l;
    switch (code) {
    case 51:
        l = {204, 198, 200, 201, 192, 203, 197};
        break;
    case 52:
        l = {-1, 198, -1, 215, 194, 195, 197};
        break;
    case 58:
        l = {-1, 198, -1, 211, 194, 195, 197};
        break;
    case 53:
        l = {199, 198, 200, -1, 194, 204, 197};
        break;
    case 57:
        l = {199, 209, 210, 206, 205, 196, -1};
        break;
    case 61:
        l = {216, 217, 214, -1, -1, -1, -1};
        l.Pompes = true;
        break;
    case 62:
    case 64:
        l = {199, 213, 214, -1, 212, 196, -1};
        break;
    case 66:
        l = {199, 198, 200, 207, 194, 204, 197};
        break;
    default:
        break;
    }
    return l;
}

int TexteNomApplication(int code) {
    if (code >= 51 && code <= 58) return code - 46;
    if (code >= 60 && code <= 66) return code - 47;
    return -1;
}

QString NomApplication(int code) {
    const int i = TexteNomApplication(code);
    return i < 0 ? QString() : TextesKorlan().Texte[std::size_t(i)];
}

std::array<const char*, 2> FichiersImageConfiguration(int code) {
    // The dialog's own picture, then the catalogue's illustration of the application.
    static constexpr struct {
        int code;
        const char *propre, *catalogue;
    } images[] = {
        {51, "banderoleuse.jpg", "conditionnement.jpg"}, {52, "palettisation.jpg", "pos_absolu.jpg"},
        {53, "convoyeur.jpg", "convoyeur.jpg"},          {57, "coupe_longueur.jpg", "coupe.jpg"},
        {58, "levage.jpg", "pont_roulant.jpg"},          {61, "pompes.jpg", "pompes.jpg"},
        {62, "ventilation.jpg", "ventilation.jpg"},      {64, "desenfumage.jpg", "desenfumage.jpg"},
        {66, "tapis_roulant.jpg", "atex_poussiere.jpg"},
    };
    for (const auto& i : images)
        if (i.code == code) return {i.propre, i.catalogue};
    return {nullptr, nullptr};
}

ImageConfiguration ChargeImageConfiguration(int code, const QString& dossierApplications) {
    ImageConfiguration r;
    const auto fichiers = FichiersImageConfiguration(code);
    if (!fichiers[0]) return r;
    QString detail;
    for (std::size_t k = 0; k < fichiers.size(); ++k) {
        if (k == 1 && std::strcmp(fichiers[0], fichiers[1]) == 0) break; // tried already
        const char* f = fichiers[k];
        ImageJpeg j = ChargeJpeg(QDir(dossierApplications).filePath(QString::fromLatin1(f)));
        if (j.ok()) {
            r.image = std::move(j.image);
            r.fichier = QString::fromLatin1(f);
            return r;
        }
        detail = j.detail;
    }
    // The catalogue's illustration is the one delivered with every copy of the program: name it.
    r.message = Textes().Texte[txt::ErreurLecture] + "\n" + QString::fromLatin1(fichiers[1]) + "\n" + detail;
    return r;
}

QByteArray OctetsApplication(const FichierApplication& f) {
    QByteArray b;
    b.reserve(TAILLE_FICHIER_APPLICATION);
    EcrivainOctets e(b);
    e.i32(f.Code);
    for (int32_t v : f.Param)
        e.i32(v);
    return b;
}

std::optional<FichierApplication> DecodeApplication(const QByteArray& octets) {
    if (octets.size() != TAILLE_FICHIER_APPLICATION) return std::nullopt;
    LecteurOctets l(octets);
    FichierApplication f;
    f.Code = l.i32();
    for (int32_t& v : f.Param)
        v = l.i32();
    if (!l.ok()) return std::nullopt;
    return f;
}

bool LitApplication(Travail& t, const QString& nom) {
    std::optional<FichierApplication> f;
    QFile fichier(nom);
    if (!nom.isEmpty() && fichier.open(QIODevice::ReadOnly)) {
        // One byte more than a whole file tells a file that is too long.
        const QByteArray b = fichier.read(TAILLE_FICHIER_APPLICATION + 1);
        if (fichier.error() == QFileDevice::NoError) f = DecodeApplication(b);
    }
    if (!f) {
        dialogues().avertissement(Textes().Texte[txt::ErreurLecture]);
        t.ApplicationCourante = 0;
        return false;
    }
    t.ApplicationCourante = f->Code;
    t.ParamApplicationSauve = f->Param;
    return true;
}

bool EcritApplication(const Travail& t, const QString& nom) {
    const QByteArray b = OctetsApplication({t.ApplicationCourante, t.ParamApplication});
    const bool ok = EcritFichierAtomique(nom, b);
    if (!ok) dialogues().avertissement(Textes().Texte[txt::ErreurEcriture]);
    return ok;
}
