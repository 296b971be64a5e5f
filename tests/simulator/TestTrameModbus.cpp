// The drive's Modbus slave, frame by frame, without any line.

#include "simulator/Banc.h"
#include "simulator/Defauts.h"
#include "simulator/TrameModbus.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Octets = std::vector<uint8_t>;

// Frames worked out by hand for the program's drive, both layouts.
struct TTrameConnue {
    const char* nom;
    Octets trame;
    Octets attendue;
};

class TrameConnue : public testing::TestWithParam<TTrameConnue> {};

TEST_P(TrameConnue, IsBuiltByteForByte) {
    EXPECT_EQ(GetParam().trame, GetParam().attendue);
}

const uint16_t UN[] = {1};
INSTANTIATE_TEST_SUITE_P(
    Requetes, TrameConnue,
    testing::Values(TTrameConnue{"Read1132Model0",
                                 RequeteLectureRtu(ADRESSE_CALIBRE, 1, 0),
                                 {0x01, 0x03, 0x04, 0x6B, 0x00, 0x01, 0xF4, 0xE6}},
                    TTrameConnue{"Read1132Model1",
                                 RequeteLectureRtu(ADRESSE_CALIBRE, 1, 1),
                                 {0x01, 0x03, 0x04, 0x00, 0x6B, 0x00, 0x01, 0x4A, 0x2F}},
                    TTrameConnue{"Write2029Model0",
                                 RequeteEcritureRtu(ADRESSE_CONTROLE, UN, 0),
                                 {0x01, 0x10, 0x07, 0xEC, 0x00, 0x01, 0x02, 0x00, 0x01, 0x07, 0xFC}},
                    TTrameConnue{"Write2029Model1",
                                 RequeteEcritureRtu(ADRESSE_CONTROLE, UN, 1),
                                 {0x01, 0x10, 0x07, 0x00, 0xEC, 0x00, 0x01, 0x02, 0x00, 0x01, 0xDA, 0xB4}},
                    TTrameConnue{"ReadBlockModel0",
                                 RequeteLectureRtu(ADRESSE_MESURES, 10, 0),
                                 {0x01, 0x03, 0x07, 0xD1, 0x00, 0x0A, 0x94, 0x80}}),
    [](const auto& info) { return info.param.nom; });

class EsclaveModele : public testing::TestWithParam<int> {
protected:
    TBanc banc;
    TEsclaveModbus esclave{banc, GetParam()};
};

TEST_P(EsclaveModele, AnswersTheRatingInAStandardSevenByteReply) {
    const auto r = esclave.requeteRtu(RequeteLectureRtu(ADRESSE_CALIBRE, 1, GetParam()));
    ASSERT_EQ(r.size(), 7u);
    EXPECT_TRUE(CrcValide(r));
    EXPECT_EQ(r[0], 1);
    EXPECT_EQ(r[1], 3);
    EXPECT_EQ(r[2], 2);
    EXPECT_EQ(r[3] << 8 | r[4], CalibreDeClasse(2));
}

TEST_P(EsclaveModele, ReadsTheMeasurementBlockInTwentyFiveBytes) {
    const auto r = esclave.requeteRtu(RequeteLectureRtu(ADRESSE_MESURES, 10, GetParam()));
    ASSERT_EQ(r.size(), 25u);
    EXPECT_TRUE(CrcValide(r));
    EXPECT_EQ(r[2], 20);
}

TEST_P(EsclaveModele, WritesABlockAndEchoesItsAddressInEightBytes) {
    const uint16_t bloc[] = {1000, 0xFFFE, 50, 10, 0, 0};
    const auto r = esclave.requeteRtu(RequeteEcritureRtu(ADRESSE_BLOC, bloc, GetParam()));
    const Octets attendu{0x01, 0x10, 0x07, 0x7F, 0x00, 0x06};
    ASSERT_EQ(r.size(), 8u);
    EXPECT_TRUE(std::equal(attendu.begin(), attendu.end(), r.begin()));
    EXPECT_TRUE(CrcValide(r));
    EXPECT_EQ(banc.litRegistres(ADRESSE_BLOC, 6), std::vector<uint16_t>(std::begin(bloc), std::end(bloc)));
}

TEST_P(EsclaveModele, ModelOneBlockWriteOfThreeIsSixteenBytes) {
    const uint16_t trois[] = {1, 2, 3};
    const auto t = RequeteEcritureRtu(ADRESSE_BLOC, trois, GetParam());
    EXPECT_EQ(t.size(), GetParam() == 1 ? 16u : 15u);
    EXPECT_EQ(LongueurRequeteRtu(t, GetParam()), static_cast<int>(t.size()));
}

TEST_P(EsclaveModele, StaysSilentOnABadCrcOrAnotherSlave) {
    auto t = RequeteLectureRtu(ADRESSE_CALIBRE, 1, GetParam());
    auto mauvaisCrc = t;
    mauvaisCrc.back() ^= 0x01;
    EXPECT_TRUE(esclave.requeteRtu(mauvaisCrc).empty());
    t[0] = 2;
    t.resize(t.size() - 2);
    AjouteCrc(t);
    EXPECT_TRUE(esclave.requeteRtu(t).empty());
}

TEST_P(EsclaveModele, CarriesOutABroadcastWriteWithoutAnswering) {
    const uint16_t v[] = {777};
    auto t = RequeteEcritureRtu(ADRESSE_ECHO, v, GetParam());
    t[0] = 0;
    t.resize(t.size() - 2);
    AjouteCrc(t);
    EXPECT_TRUE(esclave.requeteRtu(t).empty());
    EXPECT_EQ(banc.litRegistre(ADRESSE_ECHO), 777);
}

TEST_P(EsclaveModele, WritesOneRegisterWithFunctionSixAndEchoesTheRequest) {
    const Octets pdu{0x06, 0x07, 0x25, 0xFF, 0xFE}; // 18.30 := -2
    const auto r = esclave.requeteRtu(RequeteRtu(pdu, GetParam()));
    ASSERT_EQ(r.size(), 8u);
    EXPECT_TRUE(CrcValide(r));
    EXPECT_EQ(Octets(r.begin() + 1, r.end() - 2), pdu);
    EXPECT_EQ(banc.litRegistre(ADRESSE_ECHO), 0xFFFE);
}

TEST_P(EsclaveModele, FunctionTwentyThreeWritesBeforeItReads) {
    // Writes 19.21..19.22, reads 19.20..19.23: the read sees what was just written.
    const Octets pdu{0x17, 0x07, 0x7F, 0x00, 0x04, 0x07, 0x80, 0x00, 0x02, 0x04, 0x01, 0x2C, 0x00, 0x07};
    banc.ecritRegistre(ADRESSE_BLOC, 250);
    const auto r = esclave.requeteRtu(RequeteRtu(pdu, GetParam()));
    ASSERT_EQ(r.size(), 13u);
    EXPECT_TRUE(CrcValide(r));
    EXPECT_EQ(Octets(r.begin() + 1, r.end() - 2),
              (Octets{0x17, 8, 0x00, 0xFA, 0x01, 0x2C, 0x00, 0x07, 0, 0}));
    EXPECT_EQ(LongueurRequeteRtu(RequeteRtu(pdu, GetParam()), GetParam()), GetParam() == 1 ? 19 : 17);
}

INSTANTIATE_TEST_SUITE_P(Modeles, EsclaveModele, testing::Values(0, 1),
                         [](const auto& info) { return "Model" + std::to_string(info.param); });

TEST(Esclave, ModelOneIgnoresAStandardFrame) {
    TBanc banc;
    TEsclaveModbus esclave(banc, 1);
    const auto standard = RequeteLectureRtu(ADRESSE_CALIBRE, 1, 0);
    EXPECT_TRUE(esclave.requeteRtu(standard).empty());
}

// Exception replies: function | 0x80, then the code; five bytes on the line.
struct TRefus {
    const char* nom;
    Octets pdu;
    uint8_t fonction, code;
};

class Refus : public testing::TestWithParam<TRefus> {};

TEST_P(Refus, AnswersAFiveByteException) {
    TBanc banc;
    TEsclaveModbus esclave(banc, 0);
    Octets t{1};
    t.insert(t.end(), GetParam().pdu.begin(), GetParam().pdu.end());
    AjouteCrc(t);
    const auto r = esclave.requeteRtu(t);
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[1], GetParam().fonction | 0x80);
    EXPECT_EQ(r[2], GetParam().code);
    EXPECT_TRUE(CrcValide(r));
}

INSTANTIATE_TEST_SUITE_P(
    Requetes, Refus,
    testing::Values(
        TRefus{"ReadInputRegisters", {0x04, 0x07, 0xD1, 0x00, 0x0A}, 0x04, EXCEPTION_FONCTION},
        TRefus{"WriteSingleCoil", {0x05, 0x00, 0x01, 0xFF, 0x00}, 0x05, EXCEPTION_FONCTION},
        TRefus{"ReadPastTheMap", {0x03, 0x08, 0xF2, 0x00, 0x0B}, 0x03, EXCEPTION_ADRESSE},
        TRefus{"WriteOnePastTheMap", {0x06, 0x08, 0xFC, 0x00, 0x01}, 0x06, EXCEPTION_ADRESSE},
        TRefus{"WriteBlockPastTheMap",
               {0x10, 0x08, 0xFC, 0x00, 0x01, 0x02, 0x00, 0x01},
               0x10,
               EXCEPTION_ADRESSE},
        TRefus{"ReadWritePastTheMap",
               {0x17, 0x07, 0xD1, 0x00, 0x0A, 0xFF, 0x00, 0x00, 0x01, 0x02, 0x00, 0x01},
               0x17,
               EXCEPTION_ADRESSE},
        TRefus{"ReadWriteCountMismatch",
               {0x17, 0x07, 0xD1, 0x00, 0x0A, 0x07, 0x7F, 0x00, 0x02, 0x02, 0x00, 0x01},
               0x17,
               EXCEPTION_VALEUR},
        TRefus{"ReadNothing", {0x03, 0x07, 0xD1, 0x00, 0x00}, 0x03, EXCEPTION_VALEUR},
        TRefus{"ReadTooMany", {0x03, 0x00, 0x00, 0x00, 0x7E}, 0x03, EXCEPTION_VALEUR},
        TRefus{"ReadPastTheLastRegister", {0x03, 0xFF, 0xFF, 0x00, 0x02}, 0x03, EXCEPTION_ADRESSE},
        TRefus{
            "WriteCountMismatch", {0x10, 0x07, 0x7F, 0x00, 0x02, 0x02, 0x00, 0x01}, 0x10, EXCEPTION_VALEUR}),
    [](const auto& info) { return info.param.nom; });

TEST(LongueurRequete, IsKnownAsSoonAsTheHeaderTellsIt) {
    const uint16_t deux[] = {5, 6};
    const auto t = RequeteEcritureRtu(ADRESSE_BLOC, deux, 0);
    EXPECT_EQ(LongueurRequeteRtu(std::span(t).first(1), 0), 0);
    EXPECT_EQ(LongueurRequeteRtu(std::span(t).first(6), 0), 0);
    EXPECT_EQ(LongueurRequeteRtu(std::span(t).first(7), 0), 13);
    const Octets inconnue{1, 0x2B};
    EXPECT_EQ(LongueurRequeteRtu(inconnue, 0), -1);
}

Octets Mbap(uint16_t transaction, uint8_t unite, const Octets& pdu) {
    const auto n = static_cast<uint16_t>(pdu.size() + 1);
    Octets a{static_cast<uint8_t>(transaction >> 8), static_cast<uint8_t>(transaction), 0,    0,
             static_cast<uint8_t>(n >> 8),           static_cast<uint8_t>(n),           unite};
    a.insert(a.end(), pdu.begin(), pdu.end());
    return a;
}

TEST(EsclaveTcp, AnswersUnitOneWithTheSameTransaction) {
    TBanc banc;
    TEsclaveModbus esclave(banc, 0);
    const auto r = esclave.requeteTcp(Mbap(0x1234, 1, {0x03, 0x04, 0x6B, 0x00, 0x01}));
    EXPECT_EQ(r, (Octets{0x12, 0x34, 0, 0, 0, 5, 1, 0x03, 0x02, 0x05, 0xDC}));
}

TEST(EsclaveTcp, WritesThroughTheRegisterNumberOfTheParameter) {
    TBanc banc;
    TEsclaveModbus esclave(banc, 0);
    const auto r = esclave.requeteTcp(Mbap(7, 1, {0x10, 0x07, 0x25, 0x00, 0x01, 0x02, 0x00, 0x05}));
    EXPECT_EQ(r, (Octets{0, 7, 0, 0, 0, 6, 1, 0x10, 0x07, 0x25, 0x00, 0x01}));
    EXPECT_EQ(banc.litRegistre(AdresseParametre(18, 30)), 5);
}

TEST(EsclaveTcp, RefusesAnotherUnitAndIgnoresAnotherProtocol) {
    TBanc banc;
    TEsclaveModbus esclave(banc, 0);
    const auto r = esclave.requeteTcp(Mbap(1, 9, {0x03, 0x04, 0x6B, 0x00, 0x01}));
    EXPECT_EQ(r, (Octets{0, 1, 0, 0, 0, 3, 9, 0x83, EXCEPTION_PASSERELLE}));
    auto autre = Mbap(1, 1, {0x03, 0x04, 0x6B, 0x00, 0x01});
    autre[3] = 1;
    EXPECT_TRUE(esclave.requeteTcp(autre).empty());
}

// ---- faults ----

struct TCasDefaut {
    const char* nom;
    const char* texte;
    long echange;
    std::size_t longueur;
    bool crcBon, coupure;
};

class Defaut : public testing::TestWithParam<TCasDefaut> {};

TEST_P(Defaut, AltersTheReplyOfTheExchangesItHits) {
    const auto d = LitDefauts(GetParam().texte);
    ASSERT_TRUE(d);
    TBanc banc;
    TEsclaveModbus esclave(banc, 0);
    const auto r = AppliqueDefauts(*d, GetParam().echange,
                                   esclave.requeteRtu(RequeteLectureRtu(ADRESSE_MESURES, 10, 0)));
    EXPECT_EQ(r.octets.size(), GetParam().longueur);
    EXPECT_EQ(!r.octets.empty() &&
                  CrcValide(std::span(r.octets).first(std::min<std::size_t>(25, r.octets.size()))),
              GetParam().crcBon);
    EXPECT_EQ(r.coupure, GetParam().coupure);
}

INSTANTIATE_TEST_SUITE_P(
    Defauts, Defaut,
    testing::Values(TCasDefaut{"NoReply", "no-reply", 1, 0, false, false},
                    TCasDefaut{"BadCrc", "bad-crc", 1, 25, false, false},
                    TCasDefaut{"Short", "short", 1, 22, false, false},
                    TCasDefaut{"Extra", "extra", 1, 27, true, false},
                    TCasDefaut{"CloseAtItsExchange", "close@4", 4, 12, false, true},
                    TCasDefaut{"CloseNotBefore", "close@4", 3, 25, true, false},
                    TCasDefaut{"EveryThirdHitsTheSixth", "bad-crc@3", 6, 25, false, false},
                    TCasDefaut{"EveryThirdSparesTheFifth", "bad-crc@3", 5, 25, true, false}),
    [](const auto& info) { return info.param.nom; });

TEST(LitDefauts, ReadsRulesAndPaceAndRefusesTheUnknown) {
    const auto d = LitDefauts("no-reply@2,pace=19200,close@9");
    ASSERT_TRUE(d);
    ASSERT_EQ(d->regles.size(), 2u);
    EXPECT_EQ(d->regles[0].type, TypeDefaut::SansReponse);
    EXPECT_EQ(d->regles[0].periode, 2);
    EXPECT_EQ(d->regles[1].type, TypeDefaut::Coupure);
    EXPECT_EQ(d->debitBauds, 19200);
    std::string erreur;
    EXPECT_FALSE(LitDefauts("slow", &erreur));
    EXPECT_FALSE(erreur.empty());
    EXPECT_FALSE(LitDefauts("bad-crc@0"));
    EXPECT_FALSE(LitDefauts("pace=fast"));
}

} // namespace
