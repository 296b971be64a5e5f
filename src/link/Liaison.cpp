#include "Liaison.h"

#include "Horloge.h"
#include "ModbusRtu.h"
#include "PortSerie.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dialogues.h"
#include "socle/Textes.h"
#include "work/Travail.h"

namespace {

// The record the network library is started with; its meaning belongs to the library.
constexpr std::array<int32_t, 5> parametresReseau = {4, 190200, -1, 254, 0};

int classeDuCalibre(int32_t calibre, int classe) {
    if (calibre >= -10 && calibre <= 0) return 0;
    if (calibre >= 10 && calibre <= 500) return 1;
    if (calibre >= 501 && calibre <= 1500) return 2;
    if (calibre >= 1501 && calibre <= 2000) return 3;
    if (calibre >= 2001 && calibre <= 4000) return 1;
    if (calibre >= 4001 && calibre <= 20000) return 2;
    if (calibre >= 20001 && calibre <= 50000) return 3;
    return classe;
}

} // namespace

Liaison::Liaison(PortSerie& port, BibliothequeReseau& reseau, Horloge& horloge, TConfigGenerale& config,
                 Travail& travail)
    : m_port(port), m_comServer(reseau), m_horloge(horloge), m_config(config), m_travail(travail) {}

int Liaison::modele() const {
    return m_config.TypeVariateur == 0 ? 0 : 1;
}

void Liaison::bilan(int32_t code) {
    LastResult = code;
    LastFailed = code != 0;
    if (LastFailed) ++ErrorCount;
}

bool Liaison::echangeSerie(const QByteArray& requete, bool lecture, int longueurReponse,
                           QByteArray& reponse) {
    m_port.purge();
    const bool ecrit = m_port.ecrit(requete);
    if (lecture) m_horloge.delay10();
    reponse.clear();
    if (ecrit) m_port.lit(longueurReponse, reponse);
    return ecrit;
}

int32_t Liaison::ReadRegRS232(int menu, int parametre, int32_t& code) {
    QByteArray r;
    echangeSerie(modbus::trameLecture(modele(), modbus::adresse(menu, parametre), 1), true,
                 modbus::longueurReponseLecture(1), r);
    if (!testcrcstr(modbus::longueurReponseLecture(1), r)) {
        code = 1;
        return 0;
    }
    code = 0;
    return uint8_t(r[3]) * 256 + uint8_t(r[4]);
}

void Liaison::Read10RegRS232(int menu, int parametre, Valeurs10& valeurs, int n, int32_t& code) {
    code = 3;
    if (n < 1 || n > 10) return;
    QByteArray r;
    const int longueur = modbus::longueurReponseLecture(n);
    echangeSerie(modbus::trameLecture(modele(), modbus::adresse(menu, parametre), n), true, longueur, r);
    if (r.size() != longueur) return;
    // The words are stored before the CRC verdict: the caller judges by the result code.
    for (int i = 0; i < n; ++i)
        valeurs[i] = int16_t(uint16_t(uint8_t(r[3 + 2 * i]) << 8 | uint8_t(r[4 + 2 * i])));
    if (testcrcstr(longueur, r)) code = 0;
}

int32_t Liaison::WriteRegRS232(int menu, int parametre, int32_t valeur) {
    QByteArray r;
    const bool ecrit =
        echangeSerie(modbus::trameEcriture(modele(), modbus::adresse(menu, parametre), &valeur, 1), false,
                     modbus::longueurReponseEcriture, r);
    if (!ecrit || r.size() != modbus::longueurReponseEcriture) return 4;
    return testcrcstr(modbus::longueurReponseEcriture, r) ? 0 : 3;
}

int32_t Liaison::Write10RegRS232(int menu, int parametre, const Valeurs10& valeurs, int n) {
    if (n < 1 || n > 10) return 1;
    QByteArray r;
    echangeSerie(modbus::trameEcriture(modele(), modbus::adresse(menu, parametre), valeurs.data(), n), false,
                 modbus::longueurReponseEcriture, r);
    return testcrcstr(modbus::longueurReponseEcriture, r) ? 0 : 1;
}

int32_t Liaison::ReadRegModbus(int menu, int parametre) {
    if (!LinkOpen) return 0;
    int32_t code = 0;
    const int32_t v =
        m_config.TypeLiaison == 0
            ? m_comServer.ComServerReadObject(ApiHandle, AddressText.toLatin1(), menu, parametre, code)
            : ReadRegRS232(menu, parametre, code);
    bilan(code);
    SpyLog.ajoute(modbus::adresse(menu, parametre), v);
    return v;
}

void Liaison::Read10RegModbus(int menu, int parametre, int n, Valeurs10& valeurs) {
    if (!LinkOpen) return;
    int32_t code = 0;
    if (m_config.TypeLiaison == 0)
        m_comServer.ComServerReadObjectList(ApiHandle, AddressText.toLatin1(), menu, parametre, code, n,
                                            valeurs);
    else
        Read10RegRS232(menu, parametre, valeurs, n, code);
    bilan(code);
    SpyLog.ajoute(modbus::adresse(menu, parametre), valeurs[0]);
}

void Liaison::WriteRegModbus(int menu, int parametre, int32_t valeur) {
    if (!LinkOpen) return;
    bilan(m_config.TypeLiaison == 0
              ? m_comServer.ComServerWriteObject(ApiHandle, AddressText.toLatin1(), menu, parametre, valeur)
              : WriteRegRS232(menu, parametre, valeur));
    SpyLog.ajoute(modbus::adresse(menu, parametre), valeur);
}

void Liaison::Write10RegModbus(int menu, int parametre, const Valeurs10& valeurs, int n) {
    if (!LinkOpen) return;
    bilan(m_config.TypeLiaison == 0 ? m_comServer.ComServerWriteObjectList(ApiHandle, AddressText.toLatin1(),
                                                                           menu, parametre, valeurs, n)
                                    : Write10RegRS232(menu, parametre, valeurs, n));
    SpyLog.ajoute(modbus::adresse(menu, parametre), valeurs[0]);
}

bool Liaison::Ouvre() {
    if (m_config.TypeLiaison == 0) {
        if (!LinkOpen) {
            BibliothequeReseau& b = m_comServer.bibliotheque();
            b.KNR_SetParameters(parametresReseau);
            const int32_t utilisateur = b.KNR_RegisterUser(1, 0, 0, 0);
            if (utilisateur >= 0) {
                ApiHandle = utilisateur;
                LinkOpen = true;
                AddressText = TexteAdresseIP(m_config);
            }
        }
    } else if (m_config.TypeLiaison == 1) {
        if (!m_port.estOuvert())
            LinkOpen = m_port.ouvre(NomPortImpose.isEmpty() ? m_config.PortCom.texte() : NomPortImpose);
    }
    return LinkOpen;
}

void Liaison::Initialise() {
    Ouvre();
    DriveRating = -1;
    if (LinkOpen) DriveRating = ReadRegModbus(11, 32);
    m_config.ClassePuissance = classeDuCalibre(DriveRating, m_config.ClassePuissance);
    if (LinkOpen) {
        EmissionControle(1);
        SpyLog.vide();
    } else {
        dialogues().avertissement(Textes().Texte[txt::ErreurLiaison]);
        m_config.ClassePuissance = 2;
    }
}

void Liaison::Ferme() {
    if (!LinkOpen) return;
    // A drive that stopped answering is not told that the program leaves.
    if (ErrorCount == 0) EmissionControle(0);
    Relache();
}

void Liaison::Relache() {
    if (LinkOpen && m_config.TypeLiaison == 0) m_comServer.bibliotheque().KNR_DeleteUser(ApiHandle);
    if (m_port.estOuvert()) m_port.ferme();
    LinkOpen = false;
}
