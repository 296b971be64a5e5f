#pragma once
// The link to the drive: opening and closing it, the four register operations routed by the link
// type, the measurement cycle and the set-points. Every exchange with the drive goes through
// here; the link window is a view over it.

#include "ComServer.h"
#include "JournalEspion.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

class Horloge;
class PortSerie;
class Travail;
struct TConfigGenerale;

using Valeurs10 = std::array<int32_t, 10>;

// Efficiency in thousandths from the electrical and mechanical powers, the same for motor and
// generator: the smaller magnitude over the larger when the signs agree, 0 otherwise.
int32_t Rendement(int32_t pe, int32_t pm);

class Liaison {
public:
    Liaison(PortSerie& port, BibliothequeReseau& reseau, Horloge& horloge, TConfigGenerale& config,
            Travail& travail);

    // Link state.
    int32_t ApiHandle = -1;
    bool LinkOpen = false;
    bool LastFailed = false;
    int32_t DriveRating = -1;
    QString AddressText;
    int32_t LastResult = 0;
    int32_t ErrorCount = 0;
    // Measurement cycle.
    int32_t DriveStatus = 0;
    int32_t StatusEcho = 0;
    std::array<int32_t, 10> RawValues{}; // R1..R9 at 1..9
    int32_t StartTimeMs = 0;
    bool Timing = false;
    // Set-points: words 0..4 filled by the studies, word 5 stays 0.
    std::array<int32_t, 6> ParamBlock{};
    JournalEspion SpyLog;
    // When set, the serial port opened instead of PortCom: the demo mode's pseudo-terminal, whose
    // path is longer than the settings hold and is not to be saved in them.
    QString NomPortImpose;

    // Register operations; with the link closed they exchange nothing and leave the state alone.
    int32_t ReadRegModbus(int menu, int parametre);
    void Read10RegModbus(int menu, int parametre, int n, Valeurs10& valeurs);
    void WriteRegModbus(int menu, int parametre, int32_t valeur);
    void Write10RegModbus(int menu, int parametre, const Valeurs10& valeurs, int n);

    // The serial halves: result code 0 on success.
    int32_t ReadRegRS232(int menu, int parametre, int32_t& code);
    void Read10RegRS232(int menu, int parametre, Valeurs10& valeurs, int n, int32_t& code);
    int32_t WriteRegRS232(int menu, int parametre, int32_t valeur);
    int32_t Write10RegRS232(int menu, int parametre, const Valeurs10& valeurs, int n);

    // Opens the route of the link type (serial port or network user) without talking to the drive.
    bool Ouvre();
    // Opens the link if needed, reads the drive's rating into the power class and arms the drive.
    void Initialise();
    // Tells the drive that the program leaves (when no exchange failed), then releases the route.
    void Ferme();
    // Releases the serial port or the network user without telling the drive anything.
    void Relache();

    // One measurement cycle into the work's Mesures; true when both exchanges succeeded.
    bool LectureValeurs();
    void LectureValeursApi(int32_t couplage);
    void SetStatus();
    void CalculValeurs();
    void inittime();
    void StopTime();

    void EmissionControle(int32_t mot);
    void EmissionConstanteK(int32_t valeur);
    void EmissionParam();
    void setParam0();

    ComServer& comServer() { return m_comServer; }
    PortSerie& port() { return m_port; }

private:
    bool echangeSerie(const QByteArray& requete, bool lecture, int longueurReponse, QByteArray& reponse);
    void bilan(int32_t code);
    int modele() const;

    PortSerie& m_port;
    ComServer m_comServer;
    Horloge& m_horloge;
    TConfigGenerale& m_config;
    Travail& m_travail;
};
