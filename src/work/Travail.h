#pragma once
// The work held in memory, as a save writes it: up to five tests of up to 2001 points, the work
// header with its characteristic definitions, the application and its parameters, and the
// operations every study window uses to change them.

#include "socle/Cp1252.h"
#include "socle/Textes.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

constexpr int NB_COLONNES = 21;
constexpr int NB_ELEMENTS = 2002;   // element 0 of every column is never used
constexpr int NB_POINTS_MAX = 2001; // points 0..2000
constexpr int DERNIER_POINT_MAX = NB_POINTS_MAX - 1;
constexpr int NB_ESSAIS_MAX = 5;
constexpr int NB_MOTS_ENTETE_ESSAI = 53;

// The quantities of one point, column by column: a measurement, or a stored point.
using VecteurMesures = std::array<int32_t, NB_COLONNES>;

// Test header: 53 signed 32-bit words; the test comment occupies bytes 188..208.
struct TEnteteEssai {
    static constexpr int taille = NB_MOTS_ENTETE_ESSAI * 4;
    static constexpr int octetCommentaire = 188;
    static constexpr int capaciteCommentaire = 20;

    std::array<int32_t, NB_MOTS_ENTETE_ESSAI> mots{};

    // Named words.
    enum Mot {
        MotTypeMachine = 0,
        MotTypeCharge = 1,
        MotDernierPoint = 2,
        // The load-law parameters that the load panel sets and the drive receives.
        MotTorqueConstPos = 3,
        MotLinearAtSyncPos = 4,
        MotLinearConstPos = 5,
        MotQuadAtSyncPos = 6,
        MotQuadConstPos = 7,
        MotPowerTorqueLimitPos = 8,
        MotPowerConstPos = 9,
        MotCyclicMaxPos = 10,
        MotCyclicMinPos = 11,
        MotCyclicReduction = 12,
        MotCyclicSlope = 13,
        MotInertie = 14,
        MotColonneTri = 15,
        MotOrdreTri = 16,
        MotDureeOscillo = 17,
        MotVariableSynchro = 18,
        MotSeuilSynchro = 19,
        MotCalibreCourant = 22,
        MotStickingPos = 23,
        MotStickingRunPos = 24,
        MotBreakawaySpeedPos = 25,
        MotLiftMassPos = 26,
        MotLiftSpeed = 27,
        MotLiftEfficiency = 28,
        MotLiftInertia = 29,
        MotParamApplication = 30, // 30..35
        MotCouplage = 36,
        MotCommentaire = 47, // 47..52
    };

    int32_t& operator[](int mot) { return mots[mot]; }
    int32_t operator[](int mot) const { return mots[mot]; }
    int32_t& TypeMachine() { return mots[MotTypeMachine]; }
    int32_t TypeMachine() const { return mots[MotTypeMachine]; }
    int32_t& TypeCharge() { return mots[MotTypeCharge]; }
    int32_t TypeCharge() const { return mots[MotTypeCharge]; }
    int32_t& DernierPoint() { return mots[MotDernierPoint]; }
    int32_t DernierPoint() const { return mots[MotDernierPoint]; }

    uint8_t octet(int i) const {
        return static_cast<uint8_t>(static_cast<uint32_t>(mots[i / 4]) >> (8 * (i % 4)));
    }
    void setOctet(int i, uint8_t v);
    QString Commentaire() const;
    // Cut to 20 characters; the bytes past the new length keep their value.
    void setCommentaire(const QString& texte);

    static const TEnteteEssai& defaut();
    bool operator==(const TEnteteEssai&) const = default;
};

struct TEssai {
    TEnteteEssai Entete;
    std::array<std::array<int32_t, NB_ELEMENTS>, NB_COLONNES> Colonnes{};

    // Value of column c at point k (k = 0..2000), stored at element k + 1.
    int32_t& valeur(int c, int k) { return Colonnes[c][k + 1]; }
    int32_t valeur(int c, int k) const { return Colonnes[c][k + 1]; }
    int nbPoints() const { return Entete.DernierPoint() + 1; }
};

// Characteristic definition, 40 bytes in files.
struct TDefCaract {
    static constexpr int taille = 40;
    uint8_t Defini = 0;
    uint8_t Affichee = 0;
    std::array<uint8_t, 2> Reserve{};
    int32_t ColonneX = 0;
    int32_t ZoomX = 0;
    std::array<int32_t, 2> ReserveX{};
    int32_t ColonneY = 0;
    int32_t ZoomY = 0;
    std::array<int32_t, 2> ReserveY{};
    int32_t Quadrant = 0;
    bool operator==(const TDefCaract&) const = default;
};
static_assert(1 + 1 + 2 + 4 * 9 == TDefCaract::taille);

constexpr int NB_DEF_CARACT = 8; // 1..4 plot window, 5..8 application screen

// Work header, 488 bytes in "Vimr2" files, byte for byte.
struct TEnteteTravail {
    static constexpr int taille = 488;
    ChaineCourte<20> Identification;
    uint8_t Remplissage21 = 0;
    uint16_t Version = 0;
    ChaineCourte<100> Commentaire;
    std::array<uint8_t, 3> Remplissage125{};
    int32_t NbEssais = 0;
    int32_t Interpolation = -1; // -1 none, 1 linear, 2 cubic, 3..5 filtering over 3, 5, 7 points
    std::array<int32_t, 4> Reserve{};
    std::array<uint8_t, 16> Drapeaux{};
    std::array<TDefCaract, NB_DEF_CARACT> Defs{};

    // DefCaract[1..8].
    TDefCaract& DefCaract(int a) { return Defs[a - 1]; }
    const TDefCaract& DefCaract(int a) const { return Defs[a - 1]; }
    bool operator==(const TEnteteTravail&) const = default;
};
static_assert(21 + 1 + 2 + 101 + 3 + 4 + 4 + 16 + 16 + NB_DEF_CARACT * TDefCaract::taille ==
              TEnteteTravail::taille);

enum class ResultatAjout { Ajoute, PasDEssai, EssaiPlein };

struct SessionTravail;

class Travail {
public:
    std::array<TEssai, NB_ESSAIS_MAX + 1> Essais; // 1..5 the work's tests, 0 scratch
    TEnteteTravail EnteteTravail;
    int32_t ApplicationCourante = 0;
    std::array<int32_t, 6> ParamApplication{};

    Travail() { Vide(); }

    // New, empty work; the session is reset with it (SessionTravail::Reinitialise).
    void NouveauTravail(SessionTravail& s);
    void EffaceColonnes(int k);
    // Appends a test made from the session's template and makes it current; nothing when the work
    // already holds five.
    void AjouteEssai(SessionTravail& s);
    // "Nouvel essai" is offered: fewer than five tests, and the last one holds a point.
    bool NouvelEssaiPossible() const;
    void SupprimeEssai(SessionTravail& s, int a);
    // Stores `mesures` as a new point of the current test. A full test refuses the point, and so
    // does a selection outside the tests the work counts.
    ResultatAjout AjoutePoint(SessionTravail& s, const VecteurMesures& mesures);
    void SupprimePoint(SessionTravail& s, int p, int a);
    // Order 0 ascending, 1 descending, anything else leaves the test unchanged.
    void TriEssai(int ordre, int colonne, int essai);
    void TriParNumero();
    // Sorts every test of a load type that keeps its points in order by its own sort settings.
    void Retri();
    void SupprimeCaract(SessionTravail& s, int a);
    int NbCaract() const;
    // The machine and load types of test `essai`, 0 outside the store or for a value out of range.
    int TypeMachine(int essai) const;
    int TypeCharge(int essai) const;
    // Test x may join a work whose next test is made from `modele`.
    bool EssaiConforme(int x, const TEnteteEssai& modele) const;

    bool essaiValide(int k) const { return k >= 1 && k <= EnteteTravail.NbEssais && k <= NB_ESSAIS_MAX; }

private:
    // The work's own data of a new work.
    void Vide();
};

// The quantities of columns 12..14 for the application `code` (51..66), and whether the run screen
// offers each; false, and nothing set, for another code.
bool GrandeursApplication(int code, std::array<TGrandeur, 3>& grandeurs, std::array<bool, 3>& offertes);

// Default zoom position of a new characteristic axis, by bench power class and column.
int ZoomDefaut(int classePuissance, int colonne);
