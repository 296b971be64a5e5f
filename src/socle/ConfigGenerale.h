#pragma once
// The machine-wide options, stored as exactly 80 bytes in "CFGVimra.cfg" in the program folder.

#include "Cp1252.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

struct TConfigGenerale {
    static constexpr int taille = 80;

    int32_t ClassePuissance = 2; // bench power class 0..3
    uint8_t SchemaCouleurs = 0;  // graph colour scheme 0..7
    std::array<uint8_t, 3> Reserve5{1, 0, 0};
    int32_t TypeLiaison = 8; // 1 serial, 0 network, other: no link
    ChaineCourte<10> PortCom;
    std::array<ChaineCourte<10>, 4> AdresseIP; // AdresseIP[1..4] of the drive, as [0..3]
    uint8_t Reserve67 = 0;
    int32_t LangueConfig = 1;     // 1 French, 2 English, 3 Spanish
    int32_t FrequenceReseau = 50; // mains frequency, Hz
    int32_t TypeVariateur = 1;    // 0 "Tervane SP", 1 "Tervane M"

    static TConfigGenerale defaut();
    QByteArray octets() const;
    // Replaces the start of the record by the bytes given (at most 80); the rest keeps its value.
    void depuisOctets(const QByteArray& b);
    bool operator==(const TConfigGenerale&) const = default;
};

inline constexpr char NOM_FICHIER_CONFIG[] = "CFGVimra.cfg";

TConfigGenerale& ConfigGenerale();

// Loads ConfigGenerale from the settings file of `dossier` and applies its language.
// No file (a first start) keeps the defaults quietly; an unreadable or short file keeps the
// defaults for what was not read and shows "Erreur de lecture du fichier". Returns false when a
// file was there but could not be read whole.
bool ChargeConfig(const QString& dossier);
// Writes ConfigGenerale; on failure shows "Erreur d'ecriture du fichier" and the previous
// file stays as it was. Returns whether it was written.
bool SauveConfig(const QString& dossier);

// Demo mode: the link goes to the simulated bench on the serial route while the user's own link
// type and port stay as they were in the settings file.
void EntreModeDemo();
bool ModeDemo();
// The user's link type and port back in force (the end of a demo).
void QuitteModeDemo();
// In demo mode, "Banc simulé" in the current language; else nothing.
QString MentionBancSimule();
// A window's caption: in demo mode it says that the bench is simulated, so that nobody takes the
// simulated numbers for measurements. For showing only, never for a file.
QString LegendeFenetre(const QString& legende);

// "(192.168.1.100)" from the four address fields.
QString TexteAdresseIP(const TConfigGenerale& c);
