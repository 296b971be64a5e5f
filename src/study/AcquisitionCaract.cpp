#include "AcquisitionCaract.h"

#include "link/Liaison.h"
#include "shell/ConfigGenerale.h"

#include <cstdlib>

AcquisitionCaract::AcquisitionCaract(Liaison& liaison, Travail& travail, TConfigGenerale& config)
    : m_liaison(liaison), m_travail(travail), m_config(config) {}

int AcquisitionCaract::poidsDistance(int classePuissance) {
    static constexpr int poids[4] = {50, 100, 10, 100};
    return classePuissance >= 0 && classePuissance <= 3 ? poids[classePuissance] : poids[2];
}

int AcquisitionCaract::codeLoi() const {
    return CodesLoiCharge(m_travail.TypeCharge());
}

bool AcquisitionCaract::entreManuel() {
    if (!m_liaison.LinkOpen) m_liaison.Initialise();
    if (!m_liaison.LinkOpen) return false;
    mode = Mode::Manuel;
    changeK(m_travail.TypeCharge() == 5 ? 50 : 0);
    m_liaison.setParam0();
    m_liaison.EmissionControle((codeLoi() << 8) | 5);
    // The block just sent put 0 in 19.20: the coupling aid's starting K goes out again.
    if (K != 0) changeK(K);
    TimerManu = true;
    m_travail.AcquisitionEnCours = true;
    return true;
}

bool AcquisitionCaract::entreAuto() {
    if (!m_liaison.LinkOpen) m_liaison.Initialise();
    if (!m_liaison.LinkOpen) return false;
    mode = Mode::Auto;
    typeBalayage = 0;
    m_travail.AcquisitionEnCours = true;
    m_liaison.setParam0();
    TimerManu = true;
    return true;
}

void AcquisitionCaract::changeK(int k) {
    K = std::clamp(k, 0, 100);
    m_liaison.EmissionConstanteK(K * 10);
}

int AcquisitionCaract::setmode(int type) {
    const int charge = m_travail.TypeCharge();
    if (charge == 2 || charge == 3) {
        m_liaison.LectureValeurs();
        if (std::abs(m_travail.Mesures[1]) > 50)
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
    const int32_t sens = type == BalayageCroissant ? 0x4000 : 0x8000;
    m_liaison.EmissionControle((codeLoi() << 8) | 1 | sens);
    m_liaison.EmissionParam();
    m_liaison.EmissionControle((codeLoi() << 8) | 5 | sens);
    vitessePrecedente = 0;
    couplePrecedent = 0;
    TimerManu = false;
    TimerAuto = true;
}

AcquisitionCaract::Suite AcquisitionCaract::TimerManuTimer() {
    m_liaison.LectureValeurs();
    if (m_travail.Mesures[0] < 0) return Suite::Stop;
    m_travail.Mesures[11] = 0;
    return Suite::Continue;
}

AcquisitionCaract::Suite AcquisitionCaract::TimerAutoTimer() {
    m_liaison.LectureValeurs();
    auto& m = m_travail.Mesures;
    if (m[0] < 0) return Suite::Stop;
    m[11] = 0;
    const int64_t dn = m[1] - vitessePrecedente;
    const int64_t dt = m[2] - couplePrecedent;
    const int64_t d = dn * dn + poidsDistance(m_config.ClassePuissance) * dt * dt;
    const int32_t statut = m_liaison.DriveStatus;
    const int32_t bitPhase = phaseEnregistree == BalayageCroissant ? BitMontee : BitDescente;
    if ((statut & bitPhase) && (statut & BitBalayage) && d > SeuilDistance) {
        vitessePrecedente = m[1];
        couplePrecedent = m[2];
        if (enregistrePoint() == ResultatAjout::EssaiPlein) return Suite::Stop;
    }
    if (!(statut & BitBalayage)) {
        TimerAuto = false;
        return Suite::Stop;
    }
    return Suite::Continue;
}

ResultatAjout AcquisitionCaract::enregistrePoint() {
    return m_travail.AjoutePoint();
}

void AcquisitionCaract::resetAcquisition() {
    TimerManu = TimerOscillo = TimerAuto = TimerChargeAuto = false;
    m_liaison.EmissionControle(1);
    m_liaison.setParam0();
}

void AcquisitionCaract::stop() {
    resetAcquisition();
    if (K != 0) changeK(0);
    mode = Mode::Aucun;
    typeBalayage = 0;
    m_travail.AcquisitionEnCours = false;
}
