#include "Liaison.h"

#include "FilEchanges.h"
#include "ModbusRtu.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dialogues.h"
#include "socle/Textes.h"

namespace {

// The bench power class of a drive rating; a rating of no known range keeps the class.
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
                 MachineCourante machine)
    : m_serie(port, horloge, config), m_reseau(reseau, config), m_horloge(horloge), m_config(config),
      m_machine(std::move(machine)) {}

// The routes' ports and sockets belong to the thread that made them: they go on it.
Liaison::~Liaison() {
    if (m_fil)
        surFil([this] {
            m_reseau.relache();
            m_serie.relache();
        });
}

void Liaison::EchangesEnFond() {
    if (!m_fil) m_fil = std::make_unique<FilEchanges>();
}

void Liaison::surFil(const std::function<void()>& echange) {
    if (m_fil)
        m_fil->execute(echange);
    else
        echange();
}

// Link type 0 is the network route; any other that opened is the serial one.
RouteRegistres& Liaison::route() {
    if (m_config.TypeLiaison == 0) return m_reseau;
    return m_serie;
}

void Liaison::bilan(int32_t code) {
    LastResult = code;
    LastFailed = code != 0;
    if (LastFailed) ++ErrorCount;
}

int32_t Liaison::ReadRegModbus(int menu, int parametre) {
    if (!LinkOpen) return 0;
    int32_t code = 0;
    int32_t v = 0;
    surFil([&] { v = route().lit(menu, parametre, code); });
    bilan(code);
    SpyLog.ajoute(modbus::adresse(menu, parametre), v);
    return v;
}

void Liaison::Read10RegModbus(int menu, int parametre, int n, Valeurs10& valeurs) {
    if (!LinkOpen) return;
    int32_t code = 0;
    surFil([&] { code = route().litListe(menu, parametre, n, valeurs); });
    bilan(code);
    SpyLog.ajoute(modbus::adresse(menu, parametre), valeurs[0]);
}

void Liaison::WriteRegModbus(int menu, int parametre, int32_t valeur) {
    if (!LinkOpen) return;
    int32_t code = 0;
    surFil([&] { code = route().ecrit(menu, parametre, valeur); });
    bilan(code);
    SpyLog.ajoute(modbus::adresse(menu, parametre), valeur);
}

void Liaison::Write10RegModbus(int menu, int parametre, const Valeurs10& valeurs, int n) {
    if (!LinkOpen) return;
    int32_t code = 0;
    surFil([&] { code = route().ecritListe(menu, parametre, valeurs, n); });
    bilan(code);
    SpyLog.ajoute(modbus::adresse(menu, parametre), valeurs[0]);
}

bool Liaison::Ouvre() {
    // Another link type opens nothing.
    if (m_config.TypeLiaison == 0 || m_config.TypeLiaison == 1)
        surFil([this] { LinkOpen = route().ouvre(); });
    return LinkOpen;
}

void Liaison::Initialise() {
    Ouvre();
    DriveRating = -1;
    if (LinkOpen) DriveRating = ReadRegModbus(variateur::calibre);
    m_config.ClassePuissance = classeDuCalibre(DriveRating, m_config.ClassePuissance);
    if (LinkOpen) {
        EmissionControle(variateur::controleArme);
        SpyLog.vide();
    } else {
        dialogues().avertissement(Textes().Texte[txt::ErreurLiaison]);
        m_config.ClassePuissance = 2;
    }
}

void Liaison::Ferme() {
    if (!LinkOpen) return;
    // A drive that stopped answering is not told that the program leaves.
    if (ErrorCount == 0) EmissionControle(variateur::controleFin);
    Relache();
}

void Liaison::Relache() {
    surFil([this] {
        m_reseau.relache();
        m_serie.relache();
        LinkOpen = false;
    });
}

void Liaison::FermePortSerie() {
    surFil([this] { m_serie.relache(); });
}
