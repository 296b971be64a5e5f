#pragma once
// Every text the program shows, the language-dependent folder and file names, and the
// quantity names, in three constant copies (French, English, Spanish) and one current copy.

#include <QString>

#include <array>
#include <cstdint>

// A physical quantity: name, symbol, unit, full scale and fixed-point scale.
// Default-constructed, it is the empty descriptor given to columns without a quantity.
struct TGrandeur {
    QString Nom;
    QString Symbole;
    QString Unite;
    int32_t Maximum = 1000; // nominal full scale, in stored units
    int32_t Exposant = 0;   // stored integer x 10^Exposant = value in Unite
    int32_t Decimales = 0;  // digits printed after the decimal comma
    bool operator==(const TGrandeur&) const = default;
};

constexpr int NB_GRANDEURS = 27;
constexpr int NB_TEXTES = 366;
constexpr int NB_TEXTES_KORLAN = 20;

struct TTextesVimra {
    QString FichierCatalogue; // application catalogue file of the language
    QString DossierTravaux;   // sub-folder of the work files
    QString MotEssai;         // word that labels a test in copies and printouts
    QString DossierFiches;    // work-sheet folder
    QString DossierCablage;   // wiring-help folder
    std::array<TGrandeur, NB_GRANDEURS> Grandeurs;
    std::array<QString, NB_TEXTES> Texte;
    // The program's own messages, beyond the numbered texts.
    std::array<QString, 1> Message;
    bool operator==(const TTextesVimra&) const = default;
};

// Names of the application catalogue.
struct TTextesKorlan {
    std::array<QString, NB_TEXTES_KORLAN> Texte;
    bool operator==(const TTextesKorlan&) const = default;
};

// Numbers of texts used by name in the code.
namespace txt {
constexpr int TypeMachineCourt = 31;       // [0..7]
constexpr int TypeMachineLong = 39;        // [0..7]
constexpr int TypeChargeLong = 47;         // [0..18]
constexpr int TypeChargeCourt = 134;       // [0..18]
constexpr int TypeChargeDescription = 153; // [0..18]
constexpr int ErreurLecture = 223;
constexpr int ErreurEcriture = 224;
constexpr int ErreurLiaison = 355;
constexpr int TraitsAbsents = 248;
// The load panel's captions.
constexpr int CoupleConstant = 67;
constexpr int CoupleMinimum = 71;
constexpr int CoupleDeCollage = 72;
constexpr int CoupleDeDescente = 73;
constexpr int CoupleA = 75;
constexpr int CoupleMaximum = 79;
constexpr int CoupleDeMontee = 81;
constexpr int PuissanceA = 83;
constexpr int PuissanceConstante = 86;
constexpr int VitesseDecollage = 88;
constexpr int Masse = 89;
constexpr int Reduction = 192;
constexpr int Pente = 193;
constexpr int VitesseLineaire1500 = 194;
constexpr int Rendement = 195;
constexpr int Inertie = 196;
// Captions, questions and messages used in one place each.
constexpr int EtudeApplication = 10;
constexpr int OscilloConfiguration = 91;
constexpr int OscilloAcquisition = 93;
constexpr int AideApplication = 172;
constexpr int NouvelleApplicationEnregistrer = 219;
constexpr int QuestionSupprimeCaract = 225;
constexpr int QuestionSupprimeEssai = 226;
constexpr int QuestionSupprimePoints = 227;
constexpr int ErreurCommunication = 228;
constexpr int QuestionEnregistrer = 229;
constexpr int NomProduit = 230;
constexpr int Fermer = 246;
constexpr int FermerFenetre = 247;
constexpr int AdresseHorsBornes = 354;
} // namespace txt

// Texts of the application screens' own table.
namespace txtKorlan {
constexpr int Application = 0;
constexpr int PompeCentrifuge = 14;
} // namespace txtKorlan

namespace msg {
constexpr int EssaiPlein = 0;
} // namespace msg

enum class Langue { Francais = 1, Anglais = 2, Espagnol = 3 };

// 3 Spanish, 2 English, any other code French.
Langue langueDuCode(int code);
const TTextesVimra& TextesConstants(Langue langue);
const TTextesKorlan& TextesKorlanConstants(Langue langue);

// Replaces both current records whole by the copies of the language `code`.
void AppliqueLangue(int code);
const TTextesVimra& Textes();
const TTextesKorlan& TextesKorlan();
// The language of the current records, for the few texts the table does not hold.
Langue LangueCourante();
// One of three spellings after the current language (UTF-8), for those few texts.
QString Traduit(const char* francais, const char* anglais, const char* espagnol);
