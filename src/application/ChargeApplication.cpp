#include "ChargeApplication.h"

#include "link/Liaison.h"
#include "socle/ConfigGenerale.h"
#include "work/EtatEtude.h"

ChargeApplication::ChargeApplication(Liaison& liaison, Travail& travail, SessionTravail& session,
                                     EtatEtude& etat, TConfigGenerale& config)
    : m_liaison(liaison), m_travail(travail), m_session(session), m_etat(etat), m_config(config) {}

std::optional<PlageCharge> ChargeApplication::SetApp() {
    return ::SetApp(m_travail, m_session, m_config.ClassePuissance);
}

void ChargeApplication::SetCharge(int32_t position, int32_t minimum) {
    emulation.SetCharge(m_travail, m_session, m_config.ClassePuissance, position, minimum,
                        m_liaison.ParamBlock);
    m_liaison.EmissionParam();
    if (enMarche)
        m_liaison.EmissionControle(
            MotControleCharge(m_travail.Essais[m_session.EssaiCourant].Entete.TypeCharge()));
}

bool ChargeApplication::Demarre(int32_t minimum) {
    if (!m_liaison.LinkOpen) m_liaison.Initialise();
    if (!m_liaison.LinkOpen) {
        enMarche = false;
        return false;
    }
    enMarche = true;
    m_liaison.setParam0();
    SetCharge(DernierePositionEnvoyee, minimum);
    // The program's word again after its block: the drive takes it at once.
    m_liaison.EmissionControle(
        MotControleCharge(m_travail.Essais[m_session.EssaiCourant].Entete.TypeCharge()));
    m_etat.AcquisitionEnCours = true;
    return true;
}

void ChargeApplication::Cycle(int32_t position, int32_t minimum) {
    if (position != DernierePositionEnvoyee) {
        DernierePositionEnvoyee = position;
        SetCharge(position, minimum);
    }
    m_liaison.LectureValeursApi(couplage()).reporte(m_etat.Mesures);
}

void ChargeApplication::Arrete() {
    enMarche = false;
    m_liaison.EmissionControle(variateur::controleArme);
    m_liaison.setParam0();
    m_etat.AcquisitionEnCours = false;
    m_etat.Mesures[0] = -1;
}

void ChargeApplication::SetValeursAff(int32_t position, int32_t minimum) {
    if (!m_etat.AcquisitionEnCours) return;
    emulation.SetValeursAff(m_travail, m_session, m_config.ClassePuissance, position - minimum,
                            m_liaison.ParamBlock, m_etat.Mesures);
}

int32_t ChargeApplication::couplage() const {
    return m_travail.Essais[m_session.EssaiCourant].Entete[TEnteteEssai::MotCouplage];
}
