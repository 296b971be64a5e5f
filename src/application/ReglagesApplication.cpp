#include "ReglagesApplication.h"
#include "socle/FichierAtomique.h"

#include "Pompes.h"
#include "socle/Dialogues.h"
#include "socle/Entier32.h"
#include "socle/ImageJpeg.h"
#include "socle/Octets.h"
#include "socle/Textes.h"
#include "work/Applications.h"
#include "work/Format.h"
#include "work/SessionTravail.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

// Position of a bar in the table's lists of bars 1, 3, 4, 5, 6; -1 for a bar that does not exist.
int rangBarre(int barre) {
    const auto* b = std::find(std::begin(BARRES_APPLICATION), std::end(BARRES_APPLICATION), barre);
    return b == std::end(BARRES_APPLICATION) ? -1 : int(b - std::begin(BARRES_APPLICATION));
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
    const DescriptionApplication* a = DescriptionDApplication(code);
    const int r = rangBarre(barre);
    return a && r >= 0 ? a->plages[std::size_t(r)] : PLAGE_COMMUNE;
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
    const DescriptionApplication* a = DescriptionDApplication(code);
    return a && a->configurable();
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
    if (const DescriptionApplication* a = DescriptionDApplication(code)) {
        for (std::size_t k = 0; k < a->barreDuParam.size(); ++k)
            if (a->barreDuParam[k] != 0) b[std::size_t(a->barreDuParam[k])] = p[k];
        if (a->legendes.Pompes) c.Pompe = p[1] >= 0 && p[1] < NB_MODELES_POMPE ? p[1] : 0;
    }
    for (int k : BARRES_APPLICATION) {
        const PlageBarre r = PlageBarreApplication(code, k);
        b[k] = std::clamp(b[k], r.Minimum, r.Maximum);
    }
    return c;
}

namespace {

// The value texts and derived parameters of each configurable application, once its controls are
// read into P0..P4: d its entry, tn the rated torque, classe the power class (for the pump table).
using Lecture = void (*)(const DescriptionApplication& d, const ControlesApplication& c, int32_t tn,
                         int classe, ParamsApplication& p, AffichageApplication& a);

void levage(const DescriptionApplication&, const ControlesApplication&, int32_t tn, int, ParamsApplication& p,
            AffichageApplication& a) {
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
}

// The fans, whose P1 (percent) is no control's.
void ventilation(ParamsApplication& p, int32_t p1, int32_t tn, AffichageApplication& a) {
    p[1] = p1;
    p[5] = p[4];
    const int32_t pr =
        quotient32(quotient32(produit32(produit32(difference32(100, p[0]), tn), 942), p[3]), 10000);
    a.Aff1 = couple(tn, p[0]);
    a.Aff3 = entier(p[2]) + " %";
    a.Aff5 = fmt(produit32(p[3], 100), 0) + " m3/h";
    a.Aff6 = fmt(p[4], 3) + uniteInertie();
    a.Aff2 = "P = " + fmt(pr, 3) + " Bar";
}

// In the order of the codes; nullptr for an application without controls.
constexpr std::array<Lecture, NB_APPLICATIONS> lectures{{
    [](const DescriptionApplication& d, const ControlesApplication&, int32_t tn, int, ParamsApplication& p,
       AffichageApplication& a) { // 51
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
        const int32_t min6 = PlageBarreApplication(d.code, 6).Minimum;
        a.Aff4 = fmt(p[3], 1) + " m";
        a.Aff5 = entier(p[0]);
        a.Aff6 = "(" + entier(quotient32(produit32(difference32(p[4], min6), tn), 150)) + " + " +
                 entier(quotient32(produit32(tn, min6), 150)) + ") kg";
        a.Aff1 = fmt(p[1], 2) + " N.m/kg";
        a.Aff3 = couple(tn, p[2]);
        a.Aff2 = "F = " + fmt(f, 0) + " N";
        a.Inertie = inertie(j);
    },
    levage, // 52
    [](const DescriptionApplication&, const ControlesApplication&, int32_t tn, int, ParamsApplication& p,
       AffichageApplication& a) { convoyeur(a, tn, p, masseConvoyeur(p[0], p[1], tn, p[3])); }, // 53
    nullptr,                                                                                    // 54
    nullptr,                                                                                    // 55
    nullptr,                                                                                    // 56
    [](const DescriptionApplication&, const ControlesApplication&, int32_t tn, int, ParamsApplication& p,
       AffichageApplication& a) { // 57
        p[5] = p[4];
        const int32_t f = quotient32(
            quotient32(produit32(difference32(tn, quotient32(produit32(p[1], 3), 2)), 41888), p[3]), p[0]);
        a.Aff4 = fmt(p[3], 2) + " m";
        a.Aff5 = fmt(p[0], 1) + " Cp/min";
        a.Aff6 = fmt(p[4], 3) + uniteInertie();
        a.Aff1 = couple(tn, p[1]);
        a.Aff3 = couple(tn, p[2]);
        a.Aff2 = "Fmax = " + fmt(f, 0) + " N";
    },
    levage,  // 58
    nullptr, // 59
    nullptr, // 60
    [](const DescriptionApplication&, const ControlesApplication&, int32_t, int classe, ParamsApplication& p,
       AffichageApplication& a) { // 61
        const TModelePompe& m = ModelePompe(classe, p[1]);
        a.Aff1 = fmt(quotient32(produit32(m.HauteurZero, p[0]), 100), 1) + " m";
        a.Aff3 = entier(p[2]) + " %";
        // The total head of the chosen pump at its rated flow.
        a.Aff2 = "H = " + fmt(m.HauteurNominale, 1) + " m";
    },
    [](const DescriptionApplication&, const ControlesApplication&, int32_t tn, int, ParamsApplication& p,
       AffichageApplication& a) { ventilation(p, 100, tn, a); }, // 62
    nullptr,                                                     // 63
    [](const DescriptionApplication&, const ControlesApplication&, int32_t tn, int, ParamsApplication& p,
       AffichageApplication& a) { ventilation(p, 90, tn, a); }, // 64
    nullptr,                                                    // 65
    [](const DescriptionApplication&, const ControlesApplication&, int32_t tn, int, ParamsApplication& p,
       AffichageApplication& a) { // 66
        int32_t m = 0;
        if (p[0] != 0 && p[3] != 0) {
            const auto s = static_cast<int32_t>(std::trunc(100 * std::sin(p[4] * std::numbers::pi / 180)));
            m = masseConvoyeur(p[0], p[1], tn, somme32(quotient32(produit32(s, 981), 100), p[3]));
        }
        convoyeur(a, tn, p, m);
        a.Aff4 = fmt(p[4], 0) + QString::fromUtf8(" °");
    },
}};

} // namespace

AffichageApplication LitControles(int code, const ControlesApplication& c, int32_t tn, int classe,
                                  ParamsApplication& p) {
    AffichageApplication a;
    const DescriptionApplication* d = DescriptionDApplication(code);
    if (!d) return a;
    for (std::size_t k = 0; k < d->barreDuParam.size(); ++k)
        if (d->barreDuParam[k] != 0) p[k] = c.Barre[std::size_t(d->barreDuParam[k])];
    if (d->legendes.Pompes) p[1] = c.Pompe;
    if (const Lecture l = lectures[std::size_t(code - PREMIERE_APPLICATION)]) l(*d, c, tn, classe, p, a);
    return a;
}

ParamsApplication ParamInit(int code, int32_t tn, int classe, ParamsApplication p) {
    if (code < 50) return p;
    LitControles(code, ControlesDefaut(code), tn, classe, p);
    if (const DescriptionApplication* a = DescriptionDApplication(code); a && a->legendes.Pompes) p[1] = 0;
    return p;
}

LegendesApplication Legendes(int code) {
    const DescriptionApplication* a = DescriptionDApplication(code);
    return a ? a->legendes : LegendesApplication{};
}

int TexteNomApplication(int code) {
    const DescriptionApplication* a = DescriptionDApplication(code);
    return a ? a->texteNom : -1;
}

QString NomApplication(int code) {
    const int i = TexteNomApplication(code);
    return i < 0 ? QString() : TextesKorlan().Texte[std::size_t(i)];
}

std::array<const char*, 2> FichiersImageConfiguration(int code) {
    // The dialog's own picture, then the catalogue's illustration of the application.
    const DescriptionApplication* a = DescriptionDApplication(code);
    if (!a || !a->imageConfiguration) return {nullptr, nullptr};
    return {a->imageConfiguration, a->illustration};
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

bool LitApplication(Travail& t, SessionTravail& s, const QString& nom) {
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
    s.ParamApplicationSauve = f->Param;
    return true;
}

bool EcritApplication(const Travail& t, const QString& nom) {
    const QByteArray b = OctetsApplication({t.ApplicationCourante, t.ParamApplication});
    const bool ok = EcritFichierAtomique(nom, b);
    if (!ok) dialogues().avertissement(Textes().Texte[txt::ErreurEcriture]);
    return ok;
}
