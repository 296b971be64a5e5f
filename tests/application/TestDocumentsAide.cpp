// Which sheet and which wiring diagram the help viewers open, and where.
#include "commun/DocumentsAide.h"

#include <gtest/gtest.h>

namespace {

struct CasFiche {
    int code, langue;
    const char* fichier;
};

class Fiche : public testing::TestWithParam<CasFiche> {};

TEST_P(Fiche, IsNamedAfterTheApplicationAndTheLanguage) {
    EXPECT_EQ(FicheApplication(GetParam().code, GetParam().langue), QString::fromUtf8(GetParam().fichier));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Fiche,
    testing::Values(CasFiche{51, 1, "Fiche conditionnement_FR.pdf"},
                    CasFiche{52, 2, "Fiche positionnement absolu_UK.pdf"},
                    CasFiche{53, 3, "Fiche convoyeur à rouleaux_SP.pdf"},
                    CasFiche{57, 1, "Fiche coupe à longueur_FR.pdf"}, CasFiche{58, 2, "Fiche levage_UK.pdf"},
                    CasFiche{61, 3, "Fiche pompage_SP.pdf"}, CasFiche{62, 1, "Fiche ventilation_FR.pdf"},
                    CasFiche{64, 2, "Fiche ventilation_UK.pdf"}, CasFiche{64, 3, "Fiche ventilation_SP.pdf"},
                    CasFiche{66, 2, "Fiche convoyeur à bandes_UK.pdf"},
                    // A language code outside 1..3 is French, as everywhere in the program.
                    CasFiche{58, 0, "Fiche levage_FR.pdf"}, CasFiche{58, 7, "Fiche levage_FR.pdf"},
                    // No sheet.
                    CasFiche{0, 1, ""}, CasFiche{50, 1, ""}, CasFiche{54, 2, ""}, CasFiche{55, 1, ""},
                    CasFiche{56, 1, ""}, CasFiche{59, 1, ""}, CasFiche{60, 3, ""}, CasFiche{63, 1, ""},
                    CasFiche{65, 1, ""}, CasFiche{67, 1, ""}, CasFiche{151, 1, ""}, CasFiche{6, 1, ""}));

TEST(Fiche, TheSmokeExtractionOpensTheFanSheetInEveryLanguage) {
    for (int langue = 1; langue <= 3; ++langue)
        EXPECT_EQ(FicheApplication(64, langue), FicheApplication(62, langue)) << langue;
}

TEST(Fiche, EveryApplicationWithASheetIsListed) {
    std::vector<int> avec;
    for (int code = 0; code <= 200; ++code)
        if (!FicheApplication(code, 1).isEmpty()) avec.push_back(code);
    const auto liste = CodesAvecFiche();
    EXPECT_EQ(avec, std::vector<int>(liste.begin(), liste.end()));
}

struct CasSchema {
    int machine;
    const char* fichier;
};

class Schema : public testing::TestWithParam<CasSchema> {};

TEST_P(Schema, IsTheFrenchNamedFileInEveryLanguage) {
    for (int langue = 1; langue <= 3; ++langue)
        EXPECT_EQ(SchemaCablage(GetParam().machine, langue), QString::fromUtf8(GetParam().fichier)) << langue;
}

INSTANTIATE_TEST_SUITE_P(Table, Schema,
                         testing::Values(CasSchema{1, "Cablage MCCI_Fr.pdf"},
                                         CasSchema{2, "Cablage MCCS_Fr.pdf"},
                                         CasSchema{3, "Cablage MAS_Fr.pdf"},
                                         CasSchema{4, "Cablage MS_Fr.pdf"},
                                         CasSchema{5, "Cablage Alimentation CC_Fr.pdf"},
                                         CasSchema{6, "Cablage Alimentation AC3_Fr.pdf"},
                                         CasSchema{7, "Cablage Alimentation AC1_Fr.pdf"}, CasSchema{0, ""},
                                         CasSchema{8, ""}, CasSchema{-1, ""}));

TEST(Schema, NeedsAKnownLanguage) {
    EXPECT_EQ(SchemaCablage(3, 0), "");
    EXPECT_EQ(SchemaCablage(3, 4), "");
}

TEST(DossiersDocuments, FollowTheLanguage) {
    EXPECT_EQ(DossierFichesLangue("/prog", 1), "/prog/Vimra_Fiches");
    EXPECT_EQ(DossierFichesLangue("/prog", 2), "/prog/Vimra_Sheets");
    EXPECT_EQ(DossierFichesLangue("/prog", 3), "/prog/Vimra_Hojas");
    EXPECT_EQ(DossierCablageLangue("/prog", 1), "/prog/Cablage_FR");
    EXPECT_EQ(DossierCablageLangue("/prog", 2), "/prog/Cablage_UK");
    EXPECT_EQ(DossierCablageLangue("/prog", 3), "/prog/Cablage_SP");
    // The English wiring help opens the "_Fr" diagram of the English folder.
    EXPECT_EQ(CheminDocument(DossierCablageLangue("/prog", 2), SchemaCablage(3, 2)),
              "/prog/Cablage_UK/Cablage MAS_Fr.pdf");
    EXPECT_EQ(CheminDocument("/prog/Cablage_UK", ""), "");
}

} // namespace
