#include "socle/Cp1252.h"
#include "socle/Textes.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct LangueCode {
    int code;
    Langue langue;
};

class LangueParCode : public testing::TestWithParam<LangueCode> {};

TEST_P(LangueParCode, SelectsTheLanguage) {
    AppliqueLangue(GetParam().code);
    EXPECT_EQ(Textes(), TextesConstants(GetParam().langue));
    EXPECT_EQ(TextesKorlan(), TextesKorlanConstants(GetParam().langue));
    EXPECT_EQ(LangueCourante(), GetParam().langue);
    AppliqueLangue(1);
}

INSTANTIATE_TEST_SUITE_P(Codes, LangueParCode,
                         testing::Values(LangueCode{1, Langue::Francais}, LangueCode{2, Langue::Anglais},
                                         LangueCode{3, Langue::Espagnol}, LangueCode{0, Langue::Francais},
                                         LangueCode{4, Langue::Francais}, LangueCode{7, Langue::Francais},
                                         LangueCode{-1, Langue::Francais}),
                         [](const auto& i) { return "code" + std::to_string(i.index); });

struct TexteAttendu {
    Langue langue;
    int numero;
    const char* texte; // UTF-8
};

class TexteExact : public testing::TestWithParam<TexteAttendu> {};

TEST_P(TexteExact, IsStoredLetterForLetter) {
    const auto& p = GetParam();
    EXPECT_EQ(TextesConstants(p.langue).Texte[p.numero], QString::fromUtf8(p.texte)) << "text " << p.numero;
}

constexpr Langue FR = Langue::Francais, EN = Langue::Anglais, ES = Langue::Espagnol;

std::string nomTexte(const testing::TestParamInfo<TexteAttendu>& i) {
    const char* langue = i.param.langue == FR ? "fr" : i.param.langue == EN ? "en" : "es";
    return langue + std::string("_") + std::to_string(i.param.numero);
}

INSTANTIATE_TEST_SUITE_P(
    Echantillon, TexteExact,
    testing::Values(
        TexteAttendu{FR, 0, "OK"}, TexteAttendu{ES, 0, "OK"}, TexteAttendu{FR, 2, " Fermer"},
        TexteAttendu{EN, 2, " Close"}, TexteAttendu{ES, 2, " Cerrar"}, TexteAttendu{FR, 31, ""},
        TexteAttendu{FR, 32, "MCC Indépendante"}, TexteAttendu{EN, 48, "Mechanical load: T = K"},
        TexteAttendu{FR, 80, "  "}, TexteAttendu{ES, 80, "  "}, TexteAttendu{EN, 199, " loss torque  "},
        TexteAttendu{ES, 10, "Etude sur une application industrielle"},
        TexteAttendu{ES, 11, "Etude du comportement de la machine sur une application industrielle"},
        TexteAttendu{FR, 223, "Erreur de lecture du fichier"}, TexteAttendu{EN, 223, "File reading error"},
        TexteAttendu{ES, 223, "Error  de lectura del fichero"},
        TexteAttendu{FR, 224, "Erreur d'ecriture du fichier"}, TexteAttendu{EN, 224, "file writing error"},
        TexteAttendu{FR, 240, "Précédente                 <<"}, TexteAttendu{EN, 345, ""},
        TexteAttendu{ES, 345, "Selección del puerto de comunicación"},
        TexteAttendu{FR, 356, "Erreur de communicationX : "},
        TexteAttendu{FR, 364, "Utilisation impérative des bornes \"ENTREE FONCTION\""},
        TexteAttendu{EN, 364, "Utilisation impérative des bornes \"ENTREE FONCTION\""},
        TexteAttendu{EN, 365, "dans l'automatisme de commande du moteur de levage"},
        TexteAttendu{ES, 152, "Levanatamiento"},
        TexteAttendu{ES, 336, "Ajuste de la duración  de la adquisición automat  ica"}),
    nomTexte);

TEST(Textes, FieldsNameTheFilesAndFoldersOfEachLanguage) {
    const auto& fr = TextesConstants(FR);
    const auto& en = TextesConstants(EN);
    const auto& es = TextesConstants(ES);
    EXPECT_EQ(QStringList(
                  {fr.FichierCatalogue, fr.DossierTravaux, fr.MotEssai, fr.DossierFiches, fr.DossierCablage}),
              QStringList({"CFGAPPFR.cfg", "Fichiers", "Essai", "Vimra_Fiches", "Cablage_FR"}));
    EXPECT_EQ(QStringList(
                  {en.FichierCatalogue, en.DossierTravaux, en.MotEssai, en.DossierFiches, en.DossierCablage}),
              QStringList({"CFGAPPUK.cfg", "Files", "Test", "Vimra_Sheets", "Cablage_UK"}));
    EXPECT_EQ(QStringList(
                  {es.FichierCatalogue, es.DossierTravaux, es.MotEssai, es.DossierFiches, es.DossierCablage}),
              QStringList({"CFGAPPSP.cfg", "Ficheros", "prueba", "Vimra_Hojas", "Cablage_SP"}));
}

TEST(Textes, ProductNameIsWordedInEveryLanguage) {
    for (const Langue l : {FR, EN, ES}) {
        EXPECT_TRUE(TextesConstants(l).Texte[230].startsWith("Vimra"));
    }
    EXPECT_NE(TextesConstants(FR).Texte[230], TextesConstants(EN).Texte[230]);
}

TEST(Textes, QuantityNumbersAreTheSameInEveryLanguage) {
    for (int i = 0; i < NB_GRANDEURS; ++i) {
        const TGrandeur& fr = TextesConstants(FR).Grandeurs[i];
        for (const Langue l : {EN, ES}) {
            const TGrandeur& g = TextesConstants(l).Grandeurs[i];
            EXPECT_EQ(g.Unite, fr.Unite) << i;
            EXPECT_EQ(g.Maximum, fr.Maximum) << i;
            EXPECT_EQ(g.Exposant, fr.Exposant) << i;
            EXPECT_EQ(g.Decimales, fr.Decimales) << i;
        }
        // Decimales mirrors Exposant except for the mass (12) and the cadence (19).
        if (i == 12)
            EXPECT_EQ(fr.Decimales, 0);
        else if (i == 19)
            EXPECT_EQ(fr.Decimales, 2);
        else
            EXPECT_EQ(fr.Decimales, -fr.Exposant) << i;
    }
    const TGrandeur& couple = TextesConstants(EN).Grandeurs[2];
    EXPECT_EQ(couple, (TGrandeur{"Effective torque", "Tu", "Nm", 2000, -2, 2}));
    EXPECT_EQ(TextesConstants(ES).Grandeurs[1].Nom, QString::fromUtf8("Velocidad de rotació"));
    EXPECT_EQ(TextesConstants(EN).Grandeurs[8].Symbole, "Ef");
    EXPECT_EQ(TextesConstants(FR).Grandeurs[16], (TGrandeur{"", "", "", 0, 0, 0}));
}

TEST(Textes, EveryStoredStringFitsItsCapacityAndTheCodePage) {
    for (const Langue l : {FR, EN, ES}) {
        const auto& t = TextesConstants(l);
        for (const QString& s : t.Texte) {
            const QByteArray b = cp1252::encode(s);
            EXPECT_EQ(cp1252::decode(reinterpret_cast<const uint8_t*>(b.constData()), int(b.size())), s);
        }
        for (const TGrandeur& g : t.Grandeurs) {
            for (const QString& s : {g.Nom, g.Symbole, g.Unite}) {
                EXPECT_LE(s.size(), 20) << s.toStdString();
                const QByteArray b = cp1252::encode(s);
                EXPECT_EQ(cp1252::decode(reinterpret_cast<const uint8_t*>(b.constData()), int(b.size())), s);
            }
        }
    }
}

TEST(Textes, SwitchingToEnglishAndBackRestoresEveryFrenchText) {
    AppliqueLangue(1);
    const TTextesVimra avant = Textes();
    AppliqueLangue(2);
    EXPECT_EQ(Textes().Texte[1], "Cancel");
    AppliqueLangue(1);
    EXPECT_EQ(Textes(), avant);
}

TEST(Textes, KorlanNamesInThreeLanguages) {
    EXPECT_EQ(TextesKorlanConstants(FR).Texte[17], QString::fromUtf8("Désenfumage"));
    EXPECT_EQ(TextesKorlanConstants(EN).Texte[6], "absolute positionning  ");
    EXPECT_EQ(TextesKorlanConstants(FR).Texte[4], "Atelier de production ");
    for (const QString& s : TextesKorlanConstants(ES).Texte)
        EXPECT_FALSE(s.isEmpty());
}

} // namespace
