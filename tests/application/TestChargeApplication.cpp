// The exchanges of an application's load with the drive: what is written, in which order, and when
// nothing is.
#include "../link/LiaisonTest.h"
#include "ParamsApplications.h"

#include "application/Application.h"
#include "application/ChargeApplication.h"

namespace {

constexpr uint16_t Bloc = 1919;     // 19.20..19.25
constexpr uint16_t Controle = 2028; // 20.29
constexpr uint16_t Echo = 1829;     // 18.30

// One write request as the drive received it: first register and the words.
struct Ecriture {
    uint16_t adresse;
    std::vector<int16_t> mots;
    bool operator==(const Ecriture&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Ecriture& e) {
    o << e.adresse << ":";
    for (int16_t m : e.mots)
        o << " " << m;
    return o;
}

class ChargeTest : public LiaisonTest {
protected:
    std::unique_ptr<ChargeApplication> charge;

    void SetUp() override {
        LiaisonTest::SetUp();
        charge = std::make_unique<ChargeApplication>(*liaison, *travail, session, etude, config);
    }
    // The current test runs application `code` with its default parameters on machine 3.
    void application(int code) {
        travail->ApplicationCourante = code;
        travail->ParamApplication = ParamsParDefaut(code);
        session.MachineApplication = 3;
        ReconcilieEssai(*travail, session);
    }
    std::vector<Ecriture> ecritures() const {
        std::vector<Ecriture> r;
        for (const QByteArray& q : port.esclave.requetes) {
            const auto o = [&q](int i) { return uint8_t(q[i]); };
            if (o(1) != 6 && o(1) != 16) continue;
            Ecriture e{uint16_t(o(2) << 8 | o(3)), {}};
            if (o(1) == 6) {
                e.mots.push_back(int16_t(o(4) << 8 | o(5)));
            } else {
                for (int i = 0; i < o(5); ++i)
                    e.mots.push_back(int16_t(o(7 + 2 * i) << 8 | o(8 + 2 * i)));
            }
            r.push_back(e);
        }
        return r;
    }
    int lectures() const {
        return int(std::count_if(port.esclave.requetes.begin(), port.esclave.requetes.end(),
                                 [](const QByteArray& q) { return uint8_t(q[1]) == 3; }));
    }
    // The block the drive must receive for the current test at load level `a`, bar minimum `b`.
    Ecriture bloc(int32_t a, int32_t b) const {
        BlocParametres attendu{};
        EmulationCharge e;
        e.SetCharge(travail->Essais[session.EssaiCourant].Entete, config.ClassePuissance, a, b, attendu);
        Ecriture r{Bloc, {}};
        for (int32_t m : attendu)
            r.mots.push_back(int16_t(m));
        return r;
    }
    static Ecriture controle(int32_t mot) { return {Controle, {int16_t(mot)}}; }
    static Ecriture zeros() { return {Bloc, {0, 0, 0, 0, 0, 0}}; }
};

TEST_F(ChargeTest, StartingSendsAZeroBlockThenTheBlockOfTheLastPositionAndTheProgramWordTwice) {
    ouvre();
    application(53); // conveyor: program 12
    const PlageCharge plage = *charge->SetApp();
    ASSERT_EQ(plage.minimum, 10);
    ASSERT_TRUE(charge->Demarre(plage.minimum));
    EXPECT_TRUE(etude.AcquisitionEnCours);
    // The block of position -1: the window has just opened and nothing was sent yet.
    const std::vector<Ecriture> attendu = {zeros(), bloc(-1, 10), controle(12 * 256 + 5),
                                           controle(12 * 256 + 5)};
    EXPECT_EQ(ecritures(), attendu);
    EXPECT_EQ(bloc(-1, 10).mots[0], -10); // -1 x 1500 / 150
    EXPECT_EQ(lectures(), 0);
}

TEST_F(ChargeTest, ACycleSendsTheBlockOnlyWhenTheBarMovedAndReadsEveryTime) {
    ouvre();
    application(61); // pump: program 7
    ASSERT_TRUE(charge->Demarre(0));
    port.esclave.requetes.clear();
    pose(20, 3, 1450);
    charge->Cycle(100, 0);
    std::vector<Ecriture> attendu = {bloc(100, 0), controle(7 * 256 + 5), {Echo, {1}}};
    EXPECT_EQ(ecritures(), attendu);
    EXPECT_EQ(lectures(), 1);
    EXPECT_EQ(charge->DernierePositionEnvoyee, 100);
    EXPECT_EQ(etude.Mesures[1], 1450);
    port.esclave.requetes.clear();
    charge->Cycle(100, 0);
    attendu = {{Echo, {1}}};
    EXPECT_EQ(ecritures(), attendu);
    EXPECT_EQ(lectures(), 1);
}

TEST_F(ChargeTest, TheQuantitiesFollowTheSpeedAtTheLevelAboveTheMinimum) {
    ouvre();
    application(53);
    ASSERT_TRUE(charge->Demarre(10));
    pose(20, 3, 1500);
    charge->Cycle(60, 10);
    charge->SetValeursAff(60, 10);
    EXPECT_EQ(etude.Mesures[13], 100);                    // 1500 x 100 / 1500: 1,00 m/s
    EXPECT_EQ(etude.Mesures[15], liaison->ParamBlock[4]); // the inertia the drive was told
    EXPECT_GT(etude.Mesures[15], 0);
    // The load stopped: the quantities stay as they were.
    charge->Arrete();
    etude.Mesures[13] = 7;
    charge->SetValeursAff(60, 10);
    EXPECT_EQ(etude.Mesures[13], 7);
}

TEST_F(ChargeTest, TheMeasurementTakesTheCouplingOfTheCurrentTest) {
    ouvre();
    application(53);
    travail->Essais[session.EssaiCourant].Entete[TEnteteEssai::MotCouplage] = CouplageEtoile;
    session.ModeleEssai.TypeMachine() = 3;
    ASSERT_TRUE(charge->Demarre(10));
    pose(20, 9, 2300); // phase voltage, tenths of V
    charge->Cycle(10, 10);
    EXPECT_EQ(etude.Mesures[4], 2300 * 1732 / 1000);
}

TEST_F(ChargeTest, StoppingSendsTheStopWordAndAZeroBlock) {
    ouvre();
    application(58);
    ASSERT_TRUE(charge->Demarre(10));
    charge->Cycle(50, 10);
    port.esclave.requetes.clear();
    charge->Arrete();
    const std::vector<Ecriture> attendu = {controle(1), zeros()};
    EXPECT_EQ(ecritures(), attendu);
    EXPECT_FALSE(etude.AcquisitionEnCours);
    EXPECT_LT(etude.Mesures[0], 0);
    // A block sent while stopped (new parameters) comes without a control word.
    port.esclave.requetes.clear();
    charge->SetCharge(50, 10);
    const std::vector<Ecriture> seul = {bloc(50, 10)};
    EXPECT_EQ(ecritures(), seul);
}

TEST_F(ChargeTest, ALinkThatCannotOpenSendsNothingAndSaysSo) {
    application(53);
    port.ouvrable = false;
    EXPECT_FALSE(charge->Demarre(10));
    EXPECT_FALSE(charge->enMarche);
    EXPECT_FALSE(etude.AcquisitionEnCours);
    EXPECT_TRUE(port.esclave.requetes.empty());
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de liaison"});
}

TEST_F(ChargeTest, AClosedLinkIsOpenedWhenTheLoadStarts) {
    application(62);
    port.esclave.registres[1131] = 1000;
    ASSERT_FALSE(liaison->LinkOpen);
    EXPECT_TRUE(charge->Demarre(0));
    EXPECT_TRUE(liaison->LinkOpen);
    EXPECT_EQ(registre(20, 29), 7 * 256 + 5);
}

} // namespace
