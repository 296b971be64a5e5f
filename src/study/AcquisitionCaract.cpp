#include "AcquisitionCaract.h"

#include "link/Liaison.h"
#include "socle/ConfigGenerale.h"
#include "socle/Entier32.h"
#include "work/LoisCharge.h"

#include <algorithm>
#include <cstdlib>

AcquisitionCaract::AcquisitionCaract(Liaison& liaison, Travail& travail, SessionTravail& session,
                                     EtatEtude& etat, TConfigGenerale& config)
    : m_liaison(liaison), m_travail(travail), m_session(session), m_etat(etat), m_config(config) {}

int AcquisitionCaract::poidsDistance(int classePuissance) {
    static constexpr int poids[4] = {50, 100, 10, 100};
    return classePuissance >= 0 && classePuissance <= 3 ? poids[classePuissance] : poids[2];
}

int AcquisitionCaract::poidsDistanceCharge(int classePuissance) {
    static constexpr int poids[4] = {10, 100, 10, 4};
    return classePuissance >= 0 && classePuissance <= 3 ? poids[classePuissance] : poids[2];
}

int AcquisitionCaract::codeLoi() const {
    return CodesLoiCharge(m_travail.TypeCharge(m_session.EssaiCourant));
}

// Every mode needs the link, and records into a test that the work counts: after a new work or
// the deletion of the last test the selection names none, and one is added.
bool AcquisitionCaract::prepareMode() {
    if (!m_liaison.LinkOpen) m_liaison.Initialise();
    if (!m_liaison.LinkOpen) return false;
    if (!m_travail.essaiValide(m_session.EssaiCourant)) m_travail.AjouteEssai(m_session);
    return true;
}

bool AcquisitionCaract::entreManuel() {
    if (!prepareMode()) return false;
    mode = Mode::Manuel;
    changeK(DescriptionLoiCharge(m_travail.TypeCharge(m_session.EssaiCourant)).kDepart);
    m_liaison.setParam0();
    m_liaison.EmissionControle(variateur::controleApplique(codeLoi()));
    // The block just sent put 0 in 19.20: the coupling aid's starting K goes out again.
    if (K != 0) changeK(K);
    TimerManu = true;
    m_etat.AcquisitionEnCours = true;
    return true;
}

bool AcquisitionCaract::entreAuto() {
    if (!prepareMode()) return false;
    mode = Mode::Auto;
    typeBalayage = 0;
    m_etat.AcquisitionEnCours = true;
    m_liaison.setParam0();
    TimerManu = true;
    return true;
}

void AcquisitionCaract::changeK(int k) {
    K = std::clamp(k, 0, 100);
    m_liaison.EmissionConstanteK(K * 10);
}

int AcquisitionCaract::setmode(int type) {
    if (DescriptionLoiCharge(m_travail.TypeCharge(m_session.EssaiCourant)).imposeVitesse) {
        m_liaison.LectureValeurs().reporte(m_etat.Mesures);
        if (std::abs(m_etat.Mesures[1]) > 50)
            return type == BalayageCroissant ? BalayageDecroissant : BalayageCroissant;
    }
    return type;
}

void AcquisitionCaract::demarreBalayage(int type) {
    typeBalayage = type;
    phaseEnregistree = setmode(type);
    m_liaison.setParam0();
    const int32_t tt = T * 10;
    auto& bloc = m_liaison.ParamBlock;
    if (type == BalayageCroissant)
        bloc = {1000, 0, tt, 10, 0, 0};
    else
        bloc = {1000, 0, 5, tt, 0, 0};
    const int32_t sens = type == BalayageCroissant ? variateur::sensMontee : variateur::sensDescente;
    m_liaison.EmissionControle(variateur::controleAvantBloc(codeLoi(), sens));
    m_liaison.EmissionParam();
    m_liaison.EmissionControle(variateur::controleApplique(codeLoi(), sens));
    vitessePrecedente = 0;
    couplePrecedent = 0;
    TimerManu = false;
    TimerAuto = true;
}

AcquisitionCaract::Suite AcquisitionCaract::TimerManuTimer() {
    m_liaison.LectureValeurs().reporte(m_etat.Mesures);
    if (m_etat.Mesures[0] < 0) return Suite::Stop;
    m_etat.Mesures[11] = 0;
    return Suite::Continue;
}

AcquisitionCaract::Suite AcquisitionCaract::TimerAutoTimer() {
    m_liaison.LectureValeurs().reporte(m_etat.Mesures);
    auto& m = m_etat.Mesures;
    if (m[0] < 0) return Suite::Stop;
    m[11] = 0;
    const int64_t dn = m[1] - vitessePrecedente;
    const int64_t dt = m[2] - couplePrecedent;
    const int64_t d = dn * dn + poidsDistance(m_config.ClassePuissance) * dt * dt;
    const int32_t statut = m_liaison.DriveStatus;
    const int32_t bitPhase =
        phaseEnregistree == BalayageCroissant ? variateur::statutMontee : variateur::statutDescente;
    if ((statut & bitPhase) && (statut & variateur::statutBalayage) && d > SeuilDistance) {
        vitessePrecedente = m[1];
        couplePrecedent = m[2];
        if (enregistrePoint() == ResultatAjout::EssaiPlein) return Suite::Stop;
    }
    if (!(statut & variateur::statutBalayage)) {
        TimerAuto = false;
        return Suite::Stop;
    }
    return Suite::Continue;
}

ResultatAjout AcquisitionCaract::enregistrePoint() {
    return m_travail.AjoutePoint(m_session, m_etat.Mesures);
}

std::array<int32_t, 5> AcquisitionCaract::blocLoiCharge(const TEnteteEssai& e, const ConstantesBanc& banc) {
    using M = TEnteteEssai;
    const int32_t tn = banc.RatedTorque;
    const auto couple = [&](int mot) { return quotient32(produit32(tn, e[mot]), 150); };
    const int type = e.TypeCharge();
    std::array<int32_t, 5> b{};
    switch (LoiDuType(type)) {
    case Loi::CoupleConstant:
        b[1] = couple(M::MotTorqueConstPos);
        break;
    case Loi::Lineaire:
        b = {couple(M::MotLinearAtSyncPos), couple(M::MotLinearConstPos), banc.SyncSpeed, 0, 0};
        break;
    case Loi::Quadratique:
        b = {couple(M::MotQuadAtSyncPos), couple(M::MotQuadConstPos), banc.SyncSpeed, 0, 0};
        break;
    case Loi::PuissanceConstante: {
        const int32_t p = produit32(produit32(banc.RatedPower, e[M::MotPowerConstPos]), 956);
        b = {couple(M::MotPowerTorqueLimitPos), 0,
             quotient32(quotient32(p, e[M::MotPowerTorqueLimitPos]), tn), 0, 0};
        break;
    }
    case Loi::Cyclique: {
        const int32_t reduction = e[M::MotCyclicReduction], pente = e[M::MotCyclicSlope];
        b = {couple(M::MotCyclicMaxPos), couple(M::MotCyclicMinPos),
             quotient32(produit32(10 - pente, reduction), 10), quotient32(produit32(reduction, pente), 10),
             0};
        break;
    }
    case Loi::Decollage:
        b = {couple(M::MotStickingRunPos), couple(M::MotStickingPos), e[M::MotBreakawaySpeedPos], 0, 0};
        break;
    case Loi::Levage:
        b = {quotient32(produit32(tn, e[M::MotLiftMassPos]), banc.SyncSpeed), e[M::MotLiftEfficiency],
             e[M::MotLiftSpeed], 0, 0};
        break;
    default: // the machine characteristics have no block of their own
        return b;
    }
    if (ChargeDynamique(type)) b[4] = e[M::MotInertie];
    return b;
}

void AcquisitionCaract::setAcquisitionChargeManu() {
    m_liaison.setParam0();
    const auto bloc = blocLoiCharge(m_session.ModeleEssai, constantesBanc(m_config));
    std::copy(bloc.begin(), bloc.end(), m_liaison.ParamBlock.begin());
    const int code = CodesLoiCharge(m_session.ModeleEssai.TypeCharge());
    m_liaison.EmissionControle(variateur::controleAvantBloc(code));
    m_liaison.EmissionParam();
    m_liaison.EmissionControle(variateur::controleApplique(code));
    vitessePrecedente = 0;
    couplePrecedent = 0;
}

bool AcquisitionCaract::entreChargeManu() {
    if (!prepareMode()) return false;
    mode = Mode::ChargeManu;
    m_etat.AcquisitionEnCours = true;
    setAcquisitionChargeManu();
    TimerManu = true;
    return true;
}

bool AcquisitionCaract::entreChargeAuto() {
    if (!prepareMode()) return false;
    mode = Mode::ChargeAuto;
    m_etat.AcquisitionEnCours = true;
    setAcquisitionChargeManu();
    TimerChargeAuto = true;
    return true;
}

AcquisitionCaract::Suite AcquisitionCaract::TimerChargeAutoTimer(bool enregistre) {
    m_liaison.LectureValeurs().reporte(m_etat.Mesures);
    auto& m = m_etat.Mesures;
    if (m[0] < 0) return Suite::Stop;
    m[11] = 0;
    const int64_t dn = int64_t(m[1]) - vitessePrecedente;
    const int64_t dt = int64_t(m[2]) - couplePrecedent;
    const int64_t d = dn * dn + poidsDistanceCharge(m_config.ClassePuissance) * dt * dt;
    if (d > SeuilDistance && enregistre) {
        vitessePrecedente = m[1];
        couplePrecedent = m[2];
        if (enregistrePoint() == ResultatAjout::EssaiPlein) return Suite::Stop;
    }
    return Suite::Continue;
}

bool AcquisitionCaract::entreOscillo() {
    if (!prepareMode()) return false;
    mode = Mode::Oscillo;
    m_etat.AcquisitionEnCours = true;
    setAcquisitionChargeManu();
    oscilloArme = false;
    oscilloDeclenche = false;
    TimerOscillo = true;
    return true;
}

int AcquisitionCaract::dureeOscillo(int index, bool longue) {
    static constexpr int durees[41] = {5,   6,   7,   8,   9,   10,  12,  14,  16,  18,  20,  25,  30,  35,
                                       40,  45,  50,  55,  60,  70,  80,  90,  100, 110, 120, 130, 140, 150,
                                       160, 170, 180, 200, 220, 240, 270, 300, 360, 420, 480, 540, 600};
    return durees[std::clamp(index, 0, dernierIndexDuree(longue))];
}

int AcquisitionCaract::intervalleOscillo(int index) {
    index = std::clamp(index, 0, dernierIndexDuree(true));
    if (index <= 24) return 100;
    if (index <= 30) return 200;
    if (index <= 35) return 300;
    return 500;
}

int AcquisitionCaract::colonneSynchro(int variable) {
    static constexpr int colonnes[4] = {1, 2, 4, 5};
    return colonnes[std::clamp(variable, 1, 4) - 1];
}

int AcquisitionCaract::seuilSynchro(int classePuissance, int position) {
    static constexpr int seuils[4][4] = {{10, 5, 5, 10}, {10, 2, 2, 10}, {10, 5, 5, 10}, {10, 10, 10, 10}};
    if (classePuissance < 0 || classePuissance > 3) classePuissance = 2;
    return seuils[classePuissance][std::clamp(position, 0, 3)];
}

void AcquisitionCaract::configureOscillo(int indexDuree, int position) {
    if (m_session.EssaiCourant < 1 || m_session.EssaiCourant > NB_ESSAIS_MAX) return;
    TEnteteEssai& e = m_travail.Essais[m_session.EssaiCourant].Entete;
    position = std::clamp(position, 0, 3);
    e[TEnteteEssai::MotDureeOscillo] = std::clamp(indexDuree, 0, dernierIndexDuree(dureesLongues));
    e[TEnteteEssai::MotVariableSynchro] = position + 1;
    const int32_t maximum = m_session.Colonnes[colonneSynchro(position + 1)].Maximum;
    e[TEnteteEssai::MotSeuilSynchro] =
        quotient32(produit32(maximum, seuilSynchro(m_config.ClassePuissance, position)), 1000);
    m_session.ModeleEssai = e;
}

void AcquisitionCaract::arme(bool synchro) {
    oscilloDeclenche = !synchro;
    oscilloArme = true;
    m_liaison.inittime();
    lis();
    const TEnteteEssai& e = m_session.ModeleEssai;
    reference = m_etat.Mesures[colonneSynchro(e[TEnteteEssai::MotVariableSynchro])];
    finTemps = dureeOscillo(e[TEnteteEssai::MotDureeOscillo], dureesLongues) * 100;
}

void AcquisitionCaract::lis() {
    if (lecture)
        lecture();
    else
        m_liaison.LectureValeurs().reporte(m_etat.Mesures);
}

AcquisitionCaract::Suite AcquisitionCaract::TimerOscilloTimer() {
    lis();
    auto& m = m_etat.Mesures;
    if (m[0] < 0) return Suite::Stop;
    const TEnteteEssai& e = m_session.ModeleEssai;
    if (!oscilloDeclenche) {
        m[11] = 0;
        const int64_t ecart = int64_t(m[colonneSynchro(e[TEnteteEssai::MotVariableSynchro])]) - reference;
        if (oscilloArme && std::abs(ecart) > e[TEnteteEssai::MotSeuilSynchro]) {
            oscilloDeclenche = true;
            m_liaison.inittime();
        }
    }
    if (rafraichit) rafraichit();
    if (oscilloDeclenche && enregistrePoint() == ResultatAjout::EssaiPlein) return Suite::Stop;
    if (m[11] > finTemps) {
        TimerOscillo = false;
        m_liaison.StopTime();
        return Suite::Stop;
    }
    return Suite::Continue;
}

void AcquisitionCaract::resetAcquisition() {
    TimerManu = TimerOscillo = TimerAuto = TimerChargeAuto = false;
    oscilloArme = oscilloDeclenche = false;
    m_liaison.StopTime();
    m_liaison.EmissionControle(variateur::controleArme);
    m_liaison.setParam0();
}

void AcquisitionCaract::stop() {
    resetAcquisition();
    if (K != 0) changeK(0);
    mode = Mode::Aucun;
    typeBalayage = 0;
    m_etat.AcquisitionEnCours = false;
}
