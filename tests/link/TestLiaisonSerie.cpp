#include "LiaisonTest.h"

#include "link/ModbusRtu.h"

namespace {

using Defaut = EsclaveScripte::Defaut;

enum class Operation { Lecture, Bloc, Ecriture, EcritureBloc };

struct CasCode {
    const char* nom;
    Operation operation;
    Defaut defaut;
    bool echecEcriture;
    int32_t code;
};

class CodeResultat : public LiaisonTest, public testing::WithParamInterface<CasCode> {};

TEST_P(CodeResultat, FollowsTheRulesOfEachOperation) {
    const CasCode& c = GetParam();
    ouvre();
    pose(20, 2, 7);
    port.esclave.defaut = c.defaut;
    port.echecEcriture = c.echecEcriture;
    Valeurs10 v{};
    int32_t code = -99;
    switch (c.operation) {
    case Operation::Lecture:
        liaison->serie().ReadRegRS232(20, 2, code);
        break;
    case Operation::Bloc:
        liaison->serie().Read10RegRS232(20, 2, v, 10, code);
        break;
    case Operation::Ecriture:
        code = liaison->serie().WriteRegRS232(20, 29, 5);
        break;
    case Operation::EcritureBloc:
        code = liaison->serie().Write10RegRS232(19, 20, v, 6);
        break;
    }
    EXPECT_EQ(code, c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, CodeResultat,
    testing::Values(CasCode{"readGood", Operation::Lecture, Defaut::Aucun, false, 0},
                    CasCode{"readBadCrc", Operation::Lecture, Defaut::MauvaisCrc, false, 1},
                    CasCode{"readShort", Operation::Lecture, Defaut::Court, false, 1},
                    CasCode{"readException", Operation::Lecture, Defaut::Exception, false, 1},
                    CasCode{"readSilence", Operation::Lecture, Defaut::Silence, false, 1},
                    CasCode{"readWriteFails", Operation::Lecture, Defaut::Aucun, true, 1},
                    CasCode{"blockGood", Operation::Bloc, Defaut::Aucun, false, 0},
                    CasCode{"blockBadCrc", Operation::Bloc, Defaut::MauvaisCrc, false, 3},
                    CasCode{"blockShort", Operation::Bloc, Defaut::Court, false, 3},
                    CasCode{"blockException", Operation::Bloc, Defaut::Exception, false, 3},
                    CasCode{"blockSilence", Operation::Bloc, Defaut::Silence, false, 3},
                    CasCode{"blockWriteFails", Operation::Bloc, Defaut::Aucun, true, 3},
                    CasCode{"writeGood", Operation::Ecriture, Defaut::Aucun, false, 0},
                    CasCode{"writeBadCrc", Operation::Ecriture, Defaut::MauvaisCrc, false, 3},
                    CasCode{"writeShort", Operation::Ecriture, Defaut::Court, false, 4},
                    CasCode{"writeException", Operation::Ecriture, Defaut::Exception, false, 4},
                    CasCode{"writeSilence", Operation::Ecriture, Defaut::Silence, false, 4},
                    CasCode{"writeWriteFails", Operation::Ecriture, Defaut::Aucun, true, 4},
                    CasCode{"writeBlockGood", Operation::EcritureBloc, Defaut::Aucun, false, 0},
                    CasCode{"writeBlockBadCrc", Operation::EcritureBloc, Defaut::MauvaisCrc, false, 1},
                    CasCode{"writeBlockShort", Operation::EcritureBloc, Defaut::Court, false, 1},
                    CasCode{"writeBlockSilence", Operation::EcritureBloc, Defaut::Silence, false, 1},
                    CasCode{"writeBlockWriteFails", Operation::EcritureBloc, Defaut::Aucun, true, 1},
                    CasCode{"extraByteIsRead", Operation::Bloc, Defaut::OctetEnTrop, false, 0}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(LiaisonTest, ABlockWithABadCrcLeavesItsWordsInTheArray) {
    ouvre();
    pose(20, 2, 0x1234);
    pose(20, 3, 0xFFFF);
    port.esclave.defaut = Defaut::MauvaisCrc;
    Valeurs10 v{};
    liaison->Read10RegModbus(20, 2, 10, v);
    EXPECT_EQ(v[0], 0x1234);
    EXPECT_EQ(v[1], -1);
    EXPECT_EQ(liaison->LastResult, 3);
    EXPECT_TRUE(liaison->LastFailed);
}

TEST_F(LiaisonTest, MinusOneReadsAs65535AloneAndMinusOneInABlock) {
    ouvre();
    pose(20, 2, 0xFFFF);
    EXPECT_EQ(liaison->ReadRegModbus(20, 2), 65535);
    Valeurs10 v{};
    liaison->Read10RegModbus(20, 2, 1, v);
    EXPECT_EQ(v[0], -1);
    EXPECT_EQ(v[1], 0); // only the count asked is filled
}

TEST_F(LiaisonTest, AFailedReadGivesZero) {
    ouvre();
    pose(11, 32, 1234);
    port.esclave.defaut = Defaut::MauvaisCrc;
    EXPECT_EQ(liaison->ReadRegModbus(11, 32), 0);
}

TEST_F(LiaisonTest, OnlyReadsWait10MsBeforeTheReply) {
    ouvre();
    Valeurs10 v{};
    liaison->ReadRegModbus(11, 32);
    liaison->Read10RegModbus(20, 2, 10, v);
    liaison->WriteRegModbus(18, 30, 1);
    liaison->Write10RegModbus(19, 20, v, 6);
    EXPECT_EQ(horloge.attentes, (std::vector<int>{10, 10}));
    EXPECT_EQ(port.esclave.requetes.size(), 4u);
}

TEST_F(LiaisonTest, EveryExchangeStartsWithAPurge) {
    ouvre();
    const int avant = port.purges;
    liaison->WriteRegModbus(18, 30, 1);
    liaison->ReadRegModbus(11, 32);
    EXPECT_EQ(port.purges, avant + 2);
}

TEST_F(LiaisonTest, Model1FramesReachTheDrive) {
    config.TypeVariateur = 1;
    port.esclave.modele = 1;
    ouvre(1200);
    liaison->WriteRegModbus(20, 29, 0x0B05);
    EXPECT_EQ(registre(20, 29), 0x0B05);
    EXPECT_EQ(port.esclave.requetes.back().size(), 12);
    EXPECT_EQ(config.ClassePuissance, 2);
}

TEST_F(LiaisonTest, AClosedLinkSendsNothingAndKeepsItsState) {
    ouvre();
    port.esclave.defaut = Defaut::Silence;
    liaison->WriteRegModbus(20, 29, 1);
    ASSERT_EQ(liaison->ErrorCount, 1);
    liaison->LinkOpen = false;
    port.esclave.requetes.clear();
    Valeurs10 v{};
    liaison->WriteRegModbus(20, 29, 1);
    liaison->ReadRegModbus(11, 32);
    liaison->Read10RegModbus(20, 2, 10, v);
    liaison->Write10RegModbus(19, 20, v, 6);
    EXPECT_TRUE(port.esclave.requetes.empty());
    EXPECT_EQ(liaison->ErrorCount, 1);
    EXPECT_EQ(liaison->LastResult, 4);
}

TEST_F(LiaisonTest, ErrorCountGrowsByOneForEveryFailedOperationAndNeverFallsHere) {
    ouvre();
    port.esclave.defaut = Defaut::Silence;
    Valeurs10 v{};
    liaison->ReadRegModbus(11, 32);
    liaison->Read10RegModbus(20, 2, 10, v);
    liaison->WriteRegModbus(18, 30, 1);
    liaison->Write10RegModbus(19, 20, v, 6);
    EXPECT_EQ(liaison->ErrorCount, 4);
    port.esclave.defaut = Defaut::Aucun;
    liaison->WriteRegModbus(18, 30, 1);
    EXPECT_EQ(liaison->ErrorCount, 4);
    EXPECT_FALSE(liaison->LastFailed);
    EXPECT_EQ(liaison->LastResult, 0);
}

struct CasCalibre {
    int32_t calibre;
    int classeAvant;
    int classe;
};

class Calibre : public LiaisonTest, public testing::WithParamInterface<CasCalibre> {};

TEST_P(Calibre, MapsTheRatingOntoThePowerClass) {
    config.ClassePuissance = GetParam().classeAvant;
    port.esclave.registres[1131] = uint16_t(GetParam().calibre);
    liaison->Initialise();
    EXPECT_EQ(liaison->DriveRating, GetParam().calibre);
    EXPECT_EQ(config.ClassePuissance, GetParam().classe);
}

INSTANTIATE_TEST_SUITE_P(Bornes, Calibre,
                         testing::Values(CasCalibre{0, 3, 0}, CasCalibre{1, 3, 3}, CasCalibre{9, 1, 1},
                                         CasCalibre{10, 3, 1}, CasCalibre{500, 3, 1}, CasCalibre{501, 0, 2},
                                         CasCalibre{1500, 0, 2}, CasCalibre{1501, 0, 3},
                                         CasCalibre{2000, 0, 3}, CasCalibre{2001, 0, 1},
                                         CasCalibre{4000, 0, 1}, CasCalibre{4001, 0, 2},
                                         CasCalibre{20000, 0, 2}, CasCalibre{20001, 0, 3},
                                         CasCalibre{50000, 0, 3}, CasCalibre{50001, 1, 1},
                                         CasCalibre{65535, 2, 2}));

TEST_F(LiaisonTest, InitialiseArmsTheDriveAndEmptiesTheLog) {
    port.esclave.registres[1131] = 1000;
    liaison->SpyLog.ajoute(1, 2);
    liaison->Initialise();
    EXPECT_EQ(port.nomOuvert, "COM8");
    EXPECT_EQ(registre(20, 29), 1);
    ASSERT_EQ(port.esclave.requetes.size(), 2u);
    EXPECT_EQ(uint8_t(port.esclave.requetes[0][1]), 3);
    EXPECT_EQ(horloge.attentes, (std::vector<int>{10, 100}));
    EXPECT_EQ(liaison->SpyLog.count(), 0);
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
}

TEST_F(LiaisonTest, ADriveThatDoesNotAnswerTheRatingGivesClass0) {
    port.esclave.defaut = Defaut::Silence;
    config.ClassePuissance = 3;
    liaison->Initialise();
    EXPECT_TRUE(liaison->LinkOpen);
    EXPECT_EQ(liaison->DriveRating, 0);
    EXPECT_EQ(config.ClassePuissance, 0);
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
}

struct CasOuverture {
    const char* nom;
    int32_t typeLiaison;
    bool portOuvrable;
    const char* portCom;
};

class OuvertureManquee : public LiaisonTest, public testing::WithParamInterface<CasOuverture> {};

TEST_P(OuvertureManquee, SaysConnectionErrorAndTakesClass2) {
    config.TypeLiaison = GetParam().typeLiaison;
    config.PortCom.setTexte(GetParam().portCom);
    port.ouvrable = GetParam().portOuvrable;
    config.ClassePuissance = 0;
    liaison->Initialise();
    EXPECT_FALSE(liaison->LinkOpen);
    EXPECT_EQ(config.ClassePuissance, 2);
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de liaison"});
    EXPECT_TRUE(port.esclave.requetes.empty());
}

INSTANTIATE_TEST_SUITE_P(Cas, OuvertureManquee,
                         testing::Values(CasOuverture{"portRefused", 1, false, "COM8"},
                                         CasOuverture{"emptyPortName", 1, true, ""},
                                         CasOuverture{"noLinkType", 8, true, "COM8"}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(LiaisonTest, InitialiseOnAnOpenLinkRereadsTheRatingAndRearms) {
    ouvre(1000);
    port.esclave.registres[1131] = 3000;
    liaison->Initialise();
    EXPECT_EQ(config.ClassePuissance, 1);
    EXPECT_EQ(port.esclave.requetes.size(), 2u);
}

TEST_F(LiaisonTest, FermeSaysGoodbyeOnlyWhenNoExchangeFailed) {
    ouvre();
    liaison->Ferme();
    EXPECT_EQ(registre(20, 29), 0);
    EXPECT_FALSE(liaison->LinkOpen);
    EXPECT_FALSE(port.estOuvert());

    ouvre();
    port.esclave.defaut = Defaut::Silence;
    liaison->WriteRegModbus(20, 29, 5);
    port.esclave.defaut = Defaut::Aucun;
    port.esclave.requetes.clear();
    liaison->Ferme();
    EXPECT_TRUE(port.esclave.requetes.empty());
    EXPECT_FALSE(port.estOuvert());
}

TEST_F(LiaisonTest, TheSpyLogRecordsEveryExchange) {
    ouvre();
    pose(20, 2, 0x1234);
    Valeurs10 v{};
    liaison->Read10RegModbus(20, 2, 10, v);
    liaison->WriteRegModbus(20, 29, 261);
    ASSERT_EQ(liaison->SpyLog.count(), 2);
    EXPECT_EQ(liaison->SpyLog.entree(1), std::make_pair(2001, 0x1234));
    EXPECT_EQ(liaison->SpyLog.entree(2), std::make_pair(2028, 261));
    EXPECT_EQ(TexteEspion(liaison->SpyLog),
              "2001\t4660\t0001\t0010\t0011\t0100\r\n2028\t261\t0000\t0001\t0000\t0101\r\n");
}

TEST(JournalEspion, KeepsTheLatestEntriesPastItsCapacity) {
    JournalEspion j;
    for (int i = 0; i < JournalEspion::capacite + 5; ++i)
        j.ajoute(i, i);
    EXPECT_EQ(j.count(), JournalEspion::capacite);
    EXPECT_EQ(j.entree(1).first, 5);
    EXPECT_EQ(j.entree(j.count()).first, JournalEspion::capacite + 4);
    j.vide();
    EXPECT_EQ(TexteEspion(j), "");
}

} // namespace
