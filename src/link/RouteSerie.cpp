#include "RouteSerie.h"

#include "Horloge.h"
#include "ModbusRtu.h"
#include "PortSerie.h"
#include "socle/ConfigGenerale.h"

int RouteSerie::modele() const {
    return m_config.TypeVariateur == 0 ? 0 : 1;
}

bool RouteSerie::ouvre() {
    return m_port.estOuvert() ||
           m_port.ouvre(NomPortImpose.isEmpty() ? m_config.PortCom.texte() : NomPortImpose);
}

void RouteSerie::relache() {
    if (m_port.estOuvert()) m_port.ferme();
}

bool RouteSerie::echange(const QByteArray& requete, bool lecture, int longueurReponse, QByteArray& reponse) {
    m_port.purge();
    const bool ecrit = m_port.ecrit(requete);
    if (lecture) m_horloge.delay10();
    reponse.clear();
    if (ecrit) m_port.lit(longueurReponse, reponse);
    return ecrit;
}

int32_t RouteSerie::ReadRegRS232(int menu, int parametre, int32_t& code) {
    QByteArray r;
    echange(modbus::trameLecture(modele(), modbus::adresse(menu, parametre), 1), true,
            modbus::longueurReponseLecture(1), r);
    if (!testcrcstr(modbus::longueurReponseLecture(1), r)) {
        code = 1;
        return 0;
    }
    code = 0;
    return uint8_t(r[3]) * 256 + uint8_t(r[4]);
}

void RouteSerie::Read10RegRS232(int menu, int parametre, Valeurs10& valeurs, int n, int32_t& code) {
    code = 3;
    if (n < 1 || n > 10) return;
    QByteArray r;
    const int longueur = modbus::longueurReponseLecture(n);
    echange(modbus::trameLecture(modele(), modbus::adresse(menu, parametre), n), true, longueur, r);
    if (r.size() != longueur) return;
    // The words are stored before the CRC verdict: the caller judges by the result code.
    for (int i = 0; i < n; ++i)
        valeurs[i] = int16_t(uint16_t(uint8_t(r[3 + 2 * i]) << 8 | uint8_t(r[4 + 2 * i])));
    if (testcrcstr(longueur, r)) code = 0;
}

int32_t RouteSerie::WriteRegRS232(int menu, int parametre, int32_t valeur) {
    QByteArray r;
    const bool ecrit = echange(modbus::trameEcriture(modele(), modbus::adresse(menu, parametre), &valeur, 1),
                               false, modbus::longueurReponseEcriture, r);
    if (!ecrit || r.size() != modbus::longueurReponseEcriture) return 4;
    return testcrcstr(modbus::longueurReponseEcriture, r) ? 0 : 3;
}

int32_t RouteSerie::Write10RegRS232(int menu, int parametre, const Valeurs10& valeurs, int n) {
    if (n < 1 || n > 10) return 1;
    QByteArray r;
    echange(modbus::trameEcriture(modele(), modbus::adresse(menu, parametre), valeurs.data(), n), false,
            modbus::longueurReponseEcriture, r);
    return testcrcstr(modbus::longueurReponseEcriture, r) ? 0 : 1;
}
