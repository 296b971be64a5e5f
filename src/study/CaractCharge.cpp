#include "CaractCharge.h"

#include "socle/ConfigGenerale.h"
#include "socle/Entier32.h"
#include "socle/Textes.h"
#include "work/Travail.h"

#include <algorithm>

namespace {

using E = TEnteteEssai;

// a x b / c, left to right, in 32 bits.
int32_t regle32(int32_t a, int32_t b, int32_t c) {
    return quotient32(produit32(a, b), c);
}

QString texteCouple(int32_t v) {
    return TexteValeur(v, 2) + QStringLiteral(" Nm");
}
QString textePuissance(int32_t v) {
    return TexteValeur(v, 0) + QStringLiteral(" W");
}
QString texteInertie(int32_t v) {
    return QStringLiteral("J = ") + TexteValeur(v, 3) + QStringLiteral(" kg.m²");
}

// The speed unit of the quantities table.
QString uniteVitesse() {
    return Textes().Grandeurs[1].Unite;
}

} // namespace

BornesReglettes BornesDuType(int typeCharge) {
    if (LoiDuType(typeCharge) == Loi::Levage) return {50, 250, 0, 150};
    return {0, 150, 0, 150};
}

void Reglette::place(int64_t position) {
    Position = static_cast<int32_t>(std::clamp<int64_t>(position, Min, Max));
}

void Reglette::bornes(int32_t min, int32_t max) {
    Min = min;
    Max = max;
    place(Position);
}

AxesCar AxesDuGenre(int genre, const ConstantesBanc& c, int32_t cyclicReduction) {
    const AxeCar couple{0, c.RatedTorque, 100, 3, QStringLiteral("T")};
    switch (genre) {
    case 1:
    case 2:
    case 3:
        return {{0, c.SyncSpeed, 1, 3, QStringLiteral("n")}, couple};
    case 4:
        return {{0, c.SyncSpeed, 1, 4, QStringLiteral("n")}, couple};
    case 5:
        return {{0, produit32(cyclicReduction, 20), 10, 4, QStringLiteral("tr")}, couple};
    case 6:
        return {{produit32(c.SyncSpeed, -1), c.SyncSpeed, 1, 3, QStringLiteral("n")},
                {-c.RatedTorque / 5, produit32(2, c.RatedTorque), 100, 3, QStringLiteral("T")}};
    default:
        return {};
    }
}

namespace {

// Ticks from the origin, `pas` pixels apart in the direction `sens`, while they stay within
// [debut, fin]; the label of tick k is k times the step of the label values.
void graduations(std::vector<Graduation>& g, int64_t origine, int64_t pas, int sens, int64_t debut,
                 int64_t fin, int32_t pasValeur, int premier) {
    if (pas <= 0) return; // too small a drawing: no room for a division
    for (int64_t k = premier;; ++k) {
        const int64_t pixel = origine + sens * k * pas;
        if (pixel < debut || pixel > fin) break;
        g.push_back({pixel, produit32(static_cast<int32_t>(k), pasValeur)});
    }
}

int32_t pasValeur(const AxeCar& a, int32_t extremite) {
    return quotient32(quotient32(extremite, a.Diviseur), a.Divisions);
}

int64_t etendue(const AxeCar& a) {
    return int64_t(a.Max) - a.Min;
}

} // namespace

GeometrieCar GeometrieTraceCar(const QRect& r, const AxeCar& couple, const AxeCar& vitesse, int hauteurM,
                               int largeurMaxCouple) {
    GeometrieCar g;
    g.Vitesse = vitesse;
    g.Couple = couple;
    const int64_t gauche = r.x(), haut = r.y();
    const int64_t droite = gauche + r.width(), bas = haut + r.height();
    if (couple.Min < 0 && etendue(couple) > 0)
        g.Y0 = bas + int64_t(couple.Min) * (bas - haut) / etendue(couple);
    else
        g.Y0 = bas - hauteurM - 10;
    if (vitesse.Min < 0 && etendue(vitesse) > 0)
        g.X0 = gauche + int64_t(r.width()) * -int64_t(vitesse.Min) / etendue(vitesse);
    else
        g.X0 = gauche + largeurMaxCouple + 10;
    g.Sx = vitesse.Divisions > 0 ? (droite - g.X0 - 20) / vitesse.Divisions : 0;
    g.Sy = couple.Divisions > 0 ? (g.Y0 - haut - 20) / couple.Divisions : 0;

    // The last pixel column and row inside the rectangle.
    graduations(g.GraduationsVitesse, g.X0, g.Sx, 1, gauche, droite - 1, pasValeur(vitesse, vitesse.Max), 0);
    if (vitesse.Min < 0)
        graduations(g.GraduationsVitesse, g.X0, g.Sx, -1, gauche, droite - 1, pasValeur(vitesse, vitesse.Min),
                    1);
    graduations(g.GraduationsCouple, g.Y0, g.Sy, -1, haut, bas - 1, pasValeur(couple, couple.Max), 0);
    if (couple.Min < 0)
        graduations(g.GraduationsCouple, g.Y0, g.Sy, 1, haut, bas - 1, pasValeur(couple, couple.Min), 1);
    return g;
}

int64_t GeometrieCar::colonne(int64_t x) const {
    if (Vitesse.Max == 0) return X0;
    return X0 + x * Sx * Vitesse.Divisions / Vitesse.Max;
}

int64_t GeometrieCar::ligne(int64_t y) const {
    if (Couple.Max == 0) return Y0;
    return Y0 - y * Sy * Couple.Divisions / Couple.Max;
}

CaractCharge::CaractCharge(TEnteteEssai& modele, const TConfigGenerale& config)
    : m_modele(modele), m_config(config) {}

ConstantesBanc CaractCharge::constantes() const {
    return constantesBanc(m_config);
}

AxesCar CaractCharge::axes() const {
    return AxesDuGenre(GenreAxes, constantes(), m_modele[E::MotCyclicReduction]);
}

void CaractCharge::SetMode(int typeCharge) {
    TypeCharge = typeCharge;
    const BornesReglettes b = BornesDuType(typeCharge);
    TrackBarA.bornes(b.MinA, b.MaxA);
    TrackBarB.bornes(b.MinB, b.MaxB);
    const TEnteteEssai& m = m_modele;
    // Both bars straight from the record: looking at a law never changes it, although moving the
    // sticking bar by hand pulls the running-torque bar along.
    const DescriptionLoi& loi = DescriptionLoiCharge(typeCharge);
    if (loi.motBarreB() >= 0) TrackBarB.placeValeurInversee(m[loi.motBarreB()]);
    if (loi.motBarreA() >= 0) TrackBarA.placeValeurInversee(m[loi.motBarreA()]);
    if (LoiDuType(typeCharge) == Loi::Decollage) TrackBarN.place(m[E::MotBreakawaySpeedPos]);
    TrackBarJ.place(IndiceInertie(regle32(m[E::MotInertie], 1000, constantes().RatedInertia)));
    Action();
}

void CaractCharge::Action() {
    if (!ChargeDuPanneau(TypeCharge)) return;
    const ConstantesBanc c = constantes();
    const auto& t = Textes().Texte;
    const QString unite = uniteVitesse();
    const QString aSync = QString::number(c.SyncSpeed) + unite;
    TEnteteEssai& m = m_modele;
    const int type = TypeCharge;
    const int32_t sync = c.SyncSpeed, rt = c.RatedTorque;

    PanelInertieVisible = ChargeDynamique(type);
    TextJ = texteInertie(m[E::MotInertie]);
    Volet2Visible = true;
    TrackBarAVisible = TrackBarBVisible = TrackBarJVisible = true;
    PanelNVisible = PanelCycleVisible = false;
    TextC2.clear();
    TextB2.clear();
    StaticTextReduction.clear();
    StaticTextred.clear();
    StaticTextPent.clear();
    StaticTextPente.clear();

    // The torque of a bar value, scaled by the rated torque over the bar's full travel.
    const auto coupleA = [&](int mot) { return regle32(m[mot], rt, TrackBarA.Max); };
    const auto coupleB = [&](int mot) { return regle32(m[mot], rt, TrackBarB.Max); };

    const Loi loi = LoiDuType(type);
    switch (loi) {
    case Loi::CoupleConstant: {
        Volet2Visible = TrackBarAVisible = false;
        TextC1 = t[txt::CoupleConstant];
        TextC3 = t[txt::PuissanceA] + aSync;
        const int32_t tb = coupleB(E::MotTorqueConstPos);
        TextB1 = texteCouple(tb);
        TextB3 = textePuissance(regle32(c.AngularSpeed10, tb, 1000));
        point(0, 0, 0);
        point(1, 0, tb);
        point(2, sync, tb);
        DernierPoint = 2;
        GenreAxes = 1;
        break;
    }
    case Loi::Lineaire:
    case Loi::Quadratique: {
        const bool lineaire = loi == Loi::Lineaire;
        TextC1 = t[txt::CoupleConstant];
        TextC2 = t[txt::CoupleA] + aSync;
        TextC3 = t[txt::PuissanceA] + aSync;
        const int32_t ta = coupleA(lineaire ? E::MotLinearAtSyncPos : E::MotQuadAtSyncPos);
        const int32_t tb = coupleB(lineaire ? E::MotLinearConstPos : E::MotQuadConstPos);
        TextB2 = texteCouple(ta);
        TextB1 = texteCouple(tb);
        TextB3 = textePuissance(regle32(c.AngularSpeed10, ta, 1000));
        point(0, 0, 0);
        point(1, 0, tb);
        if (lineaire) {
            point(2, sync, ta);
            DernierPoint = 2;
            GenreAxes = 2;
        } else {
            for (int i = 2; i <= 21; ++i) {
                const int64_t n = regle32(i - 1, sync, 20);
                // 64-bit products, wrapping rather than overflowing for a wild mains frequency.
                const auto ecart =
                    static_cast<int64_t>(uint64_t(n) * uint64_t(n) * uint64_t(int64_t(ta) - tb));
                point(i, n, sync == 0 ? tb : tb + ecart / sync / sync);
            }
            DernierPoint = 21;
            GenreAxes = 3;
        }
        break;
    }
    case Loi::PuissanceConstante: {
        TextC1 = t[txt::CoupleConstant];
        const int32_t n43 = quotient32(produit32(sync, 4), 3);
        TextC2 = t[txt::CoupleA] + QString::number(n43) + unite;
        TextC3 = t[txt::PuissanceConstante];
        const int32_t p = regle32(m[E::MotPowerConstPos], c.RatedPower, TrackBarA.Max);
        const int32_t tb = coupleB(E::MotPowerTorqueLimitPos);
        TextB3 = textePuissance(p);
        TextB1 = texteCouple(tb);
        TextB2 = texteCouple(regle32(p, 956, n43));
        // Below the corner speed the torque limit holds; above it, the hyperbola of the power.
        const int32_t nc = regle32(p, 956, tb);
        point(0, 0, tb);
        point(1, nc, tb);
        for (int i = 2; i <= 21; ++i) {
            const int32_t n = 100 * (i - 1);
            if (nc < n)
                point(i, n, regle32(p, 956, n));
            else
                point(i, nc, tb);
        }
        DernierPoint = 21;
        GenreAxes = 4;
        break;
    }
    case Loi::Cyclique: {
        Volet2Visible = false;
        PanelCycleVisible = true;
        TextC1 = t[txt::CoupleMinimum];
        TextC3 = t[txt::CoupleMaximum];
        StaticTextReduction = t[txt::Reduction] + QStringLiteral(" :");
        StaticTextPent = t[txt::Pente] + QStringLiteral(" :");
        const int32_t tmax = coupleA(E::MotCyclicMaxPos);
        const int32_t tmin = coupleB(E::MotCyclicMinPos);
        TextB3 = texteCouple(tmax);
        TextB1 = texteCouple(tmin);
        const int32_t reduction = m[E::MotCyclicReduction], pente = m[E::MotCyclicSlope];
        StaticTextred = QStringLiteral("1/") + QString::number(reduction);
        StaticTextPente = QString::number(produit32(pente, 10)) + u'%';
        // Two periods of a trapezoid: the abscissa of k twentieths of the period, in 32 bits.
        const int32_t l = produit32(reduction, 10);
        const auto x = [&](int64_t k) { return regle32(l, static_cast<int32_t>(k), 20); };
        point(0, 0, tmin);
        for (int periode = 0; periode < 2; ++periode) {
            const int64_t debut = 20 * periode;
            point(1 + 4 * periode, x(debut + 10 - pente), tmin);
            point(2 + 4 * periode, x(debut + 10), tmax);
            point(3 + 4 * periode, x(debut + 20 - pente), tmax);
            point(4 + 4 * periode, x(debut + 20), tmin);
        }
        point(9, int64_t(x(40)) + 1, tmin);
        DernierPoint = 9;
        GenreAxes = 5;
        break;
    }
    case Loi::Decollage: {
        PanelNVisible = true;
        TextC1 = t[txt::CoupleDeCollage];
        TextC2 = t[txt::CoupleA] + aSync;
        TextC3 = t[txt::VitesseDecollage];
        const int32_t ta = coupleA(E::MotStickingRunPos);
        const int32_t tb = coupleB(E::MotStickingPos);
        const int32_t nd = regle32(m[E::MotBreakawaySpeedPos], sync, TrackBarN.Max);
        TextB2 = texteCouple(ta);
        TextB1 = texteCouple(tb);
        TextB3 = QString::number(nd) + u' ' + unite;
        point(0, 0, 0);
        point(1, 0, tb);
        point(2, nd, ta);
        point(3, sync, ta);
        DernierPoint = 3;
        GenreAxes = 2;
        break;
    }
    case Loi::Levage: {
        TrackBarBVisible = TrackBarJVisible = false;
        PanelCycleVisible = true;
        StaticTextReduction = t[txt::VitesseLineaire1500];
        StaticTextPent = t[txt::Rendement] + QStringLiteral(" :");
        TextC1 = t[txt::CoupleDeDescente];
        TextC2 = t[txt::CoupleDeMontee];
        TextC3 = t[txt::Masse];
        const int32_t masse = regle32(m[E::MotLiftMassPos], rt, sync);
        const int32_t v = m[E::MotLiftSpeed], rendement = m[E::MotLiftEfficiency];
        TextB3 = QString::number(masse) + QStringLiteral(" kg");
        // The constants are those of a drum turning at 1500 tr/min, whatever the mains.
        const int32_t montee = quotient32(quotient32(produit32(produit32(masse, 625), v), rendement), 10);
        const int32_t descente =
            quotient32(produit32(produit32(produit32(masse, v), rendement), 625), 100000);
        TextB2 = texteCouple(montee);
        TextB1 = texteCouple(descente);
        StaticTextred = TexteValeur(v, 1) + QStringLiteral(" m/s");
        StaticTextPente = QString::number(rendement) + u'%';
        m[E::MotLiftInertia] = quotient32(produit32(produit32(masse, v), v), 2467);
        TextJ = texteInertie(m[E::MotLiftInertia]);
        point(0, -int64_t(sync), descente);
        point(1, 0, descente);
        point(2, 0, montee);
        point(3, sync, montee);
        DernierPoint = 3;
        GenreAxes = 6;
        break;
    }
    default:
        break;
    }
}

void CaractCharge::ecritA() {
    if (const int mot = DescriptionLoiCharge(TypeCharge).motBarreA(); mot >= 0)
        m_modele[mot] = TrackBarA.valeurInversee();
}

void CaractCharge::ecritB() {
    if (const int mot = DescriptionLoiCharge(TypeCharge).motBarreB(); mot >= 0)
        m_modele[mot] = TrackBarB.valeurInversee();
}

void CaractCharge::deplaceA(int32_t position) {
    if (position == TrackBarA.Position) return;
    TrackBarA.place(position);
    ecritA();
}

void CaractCharge::deplaceB(int32_t position) {
    if (position == TrackBarB.Position) return;
    TrackBarB.place(position);
    ecritB();
}

// A position below another is a greater value: the bars show their maximum at the top.
void CaractCharge::TrackBarAChange(int32_t position) {
    Reglette& a = TrackBarA;
    a.place(position);
    switch (LoiDuType(TypeCharge)) {
    case Loi::Quadratique:
    case Loi::Cyclique: // the torque at synchronous speed, or the maximum, never below the other
        a.Position = std::min(a.Position, TrackBarB.Position);
        break;
    case Loi::PuissanceConstante: // never below 10 units: the corner speed divides by the torque limit
        a.Position = std::min(a.Position, a.Max - 10);
        deplaceB(std::min(TrackBarB.Position, TrackBarB.Max - 10));
        break;
    case Loi::Decollage: // the running torque never above the sticking torque
        a.Position = std::max(a.Position, TrackBarB.Position);
        break;
    default:
        break;
    }
    ecritA();
    Action();
}

void CaractCharge::TrackBarBChange(int32_t position) {
    Reglette& b = TrackBarB;
    b.place(position);
    switch (LoiDuType(TypeCharge)) {
    case Loi::Quadratique:
    case Loi::Cyclique:
        if (TrackBarA.Position > b.Position) deplaceA(b.Position);
        break;
    case Loi::PuissanceConstante:
        deplaceA(std::min(TrackBarA.Position, TrackBarA.Max - 10));
        b.Position = std::min(b.Position, b.Max - 10);
        break;
    case Loi::Decollage:
        if (TrackBarA.Position < b.Position) deplaceA(b.Position);
        break;
    default:
        break;
    }
    ecritB();
    Action();
}

void CaractCharge::TrackBarNChange(int32_t position) {
    TrackBarN.place(position);
    m_modele[E::MotBreakawaySpeedPos] = TrackBarN.Position;
    Action();
}

void CaractCharge::TrackBarJChange(int32_t position) {
    TrackBarJ.place(position);
    m_modele[E::MotInertie] = regle32(ValeurInertie(TrackBarJ.Position), constantes().RatedInertia, 1000);
    TextJ = texteInertie(m_modele[E::MotInertie]);
}

void CaractCharge::reglePas(bool premier, int sens) {
    struct Reglage {
        int mot;
        int32_t pas, min, max;
    };
    Reglage r{-1, 0, 0, 0};
    const Loi loi = LoiDuType(TypeCharge);
    if (loi == Loi::Cyclique)
        r = premier ? Reglage{E::MotCyclicReduction, 10, 10, 100} : Reglage{E::MotCyclicSlope, 1, 0, 10};
    else if (loi == Loi::Levage)
        r = premier ? Reglage{E::MotLiftSpeed, 1, 5, 20} : Reglage{E::MotLiftEfficiency, 1, 50, 90};
    if (r.mot >= 0)
        m_modele[r.mot] =
            static_cast<int32_t>(std::clamp<int64_t>(int64_t(m_modele[r.mot]) + sens * r.pas, r.min, r.max));
    Action();
}

void CaractCharge::SpinButtonRductionUpClick() {
    reglePas(true, 1);
}
void CaractCharge::SpinButtonRductionDownClick() {
    reglePas(true, -1);
}
void CaractCharge::SpinButtonPenteUpClick() {
    reglePas(false, 1);
}
void CaractCharge::SpinButtonPenteDownClick() {
    reglePas(false, -1);
}
