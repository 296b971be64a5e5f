#pragma once
// The industrial applications of each load law: photographs of machines whose load follows the
// law chosen for a study. One catalogue file per language beside the program (4060 bytes: 7
// groups of 6 entries), read once at start-up and never written by the program.

#include "socle/Cp1252.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

constexpr int NB_GROUPES_APPLICATIONS = 7;
constexpr int NB_ENTREES_GROUPE = 6;

struct TEntreeApplication {
    static constexpr int taille = 96;

    int32_t Reserve = 0; // not read by the viewer; kept as read
    ChaineCourte<60> Name;
    ChaineCourte<30> ImageFile; // file name in the pictures folder

    bool operator==(const TEntreeApplication&) const = default;
};
static_assert(TEntreeApplication::taille == 4 + ChaineCourte<60>::taille + ChaineCourte<30>::taille);

struct TGroupeApplications {
    static constexpr int taille = 580;

    int32_t Count = 0; // as stored; nombre() is what may be shown
    std::array<TEntreeApplication, NB_ENTREES_GROUPE> Entrees;

    // Count within 0..6: a damaged count never leads past the six entries.
    int nombre() const;
    bool operator==(const TGroupeApplications&) const = default;
};
static_assert(TGroupeApplications::taille == 4 + NB_ENTREES_GROUPE * TEntreeApplication::taille);

struct TCatalogueApplications {
    static constexpr int taille = 4060;

    std::array<TGroupeApplications, NB_GROUPES_APPLICATIONS> Groupes; // groups 1..7 as [0..6]

    // Group g (1..7); any other number is an empty group.
    const TGroupeApplications& groupe(int g) const;
    TGroupeApplications& groupe(int g);

    QByteArray octets() const;
    // Exactly 4060 bytes, or nothing.
    static std::optional<TCatalogueApplications> depuisOctets(const QByteArray& b);
    bool operator==(const TCatalogueApplications&) const = default;
};
static_assert(TCatalogueApplications::taille == NB_GROUPES_APPLICATIONS * TGroupeApplications::taille);

// The catalogue of the run.
TCatalogueApplications& CatalogueApplications();

// Reads the current language's catalogue file from `dossier` into CatalogueApplications().
// A missing file, or one of another size, leaves the catalogue empty. Returns whether it was read.
bool ChargeCatalogue(const QString& dossier);

// A picture name that stays in the pictures folder: not empty, no folder part, no control
// character.
bool NomImageSur(const QString& nom);

// A picture of the pictures folder, or the lines that say why it cannot be shown (from the current
// texts: the read error, the file, the cause). No name gives neither.
struct ImageOuMessage {
    QImage image;
    QString message; // empty with a picture
};
ImageOuMessage ChargeImageApplications(const QString& dossierApplications, const QString& nom);

// One entry as the viewer shows it: its name, and its picture or why there is none.
struct VueApplication {
    QString titre;
    QImage image;    // null when the picture could not be shown
    QString message; // lines that say why, from the current texts; empty with a picture
    bool precedente = false;
    bool suivante = false;
};

// What the viewer shows: entry `Index` (from 1) of group `Groupe`, and the arrows' state.
class VisionneuseApplications {
public:
    explicit VisionneuseApplications(const TCatalogueApplications& catalogue) : m_catalogue(catalogue) {}

    int Groupe() const { return m_groupe; }
    int Index() const { return m_index; }
    // The caller chooses the group; the index restarts at 1.
    void setGroupe(int g);
    void Debut() { m_index = 1; }

    bool PrecedenteActive() const { return m_index > 1; }
    bool SuivanteActive() const { return m_index < groupe().nombre(); }
    // Move when the arrow is enabled; return whether the index changed.
    bool Precedente();
    bool Suivante();

    const TGroupeApplications& groupe() const { return m_catalogue.groupe(m_groupe); }
    // The entry on view; entry 1 of an empty group is an empty entry.
    const TEntreeApplication& Entree() const;
    QString Nom() const { return Entree().Name.texte(); }
    QString NomImage() const { return Entree().ImageFile.texte(); }
    // The picture's path in `dossierApplications`; empty when the name is not a safe one.
    QString CheminImage(const QString& dossierApplications) const;
    // The entry on view with its picture loaded from `dossierApplications`.
    VueApplication Vue(const QString& dossierApplications) const;

private:
    const TCatalogueApplications& m_catalogue;
    int m_groupe = 1;
    int m_index = 1;
};
