// The demo's bench straight behind the serial route, as the program uses it where the system has
// no pseudo-terminals: the link opens, arms the drive and measures as on a line.
#include "DialoguesScriptes.h"
#include "HorlogeFactice.h"
#include "app/PortBanc.h"
#include "link/MachineDuTravail.h"
#include "simulator/Banc.h"
#include "socle/ConfigGenerale.h"
#include "work/Travail.h"

#include <gtest/gtest.h>

namespace {

class PortBancModele : public testing::TestWithParam<int> {};

TEST_P(PortBancModele, CarriesTheProgramsExchangesToTheBench) {
    TConfigBanc c;
    c.machine = TypeMachine::Asynchrone;
    TBanc banc(c);
    PortBanc port;
    port.branche(banc, GetParam());
    auto reseau = creeBibliothequeModbusTcp();
    HorlogeFactice horloge;
    TConfigGenerale config = TConfigGenerale::defaut();
    config.TypeLiaison = 1;
    config.TypeVariateur = GetParam();
    auto travail = std::make_unique<Travail>();
    SessionTravail session;
    session.ModeleEssai.TypeMachine() = 3;
    DialoguesScriptes dialogues;
    Liaison liaison(port, *reseau, horloge, config, machineDuTravail(session));
    liaison.serie().NomPortImpose = "(simulated bench)";
    liaison.Initialise();
    ASSERT_TRUE(liaison.LinkOpen);
    EXPECT_EQ(liaison.DriveRating, CalibreDeClasse(2));
    EXPECT_EQ(banc.etat().motControle, 1);
    ASSERT_TRUE(liaison.LectureValeurs());
    EXPECT_EQ(liaison.Mesures[4], 2300); // the phase voltage
    EXPECT_EQ(banc.litRegistre(ADRESSE_ECHO), liaison.StatusEcho);
}

INSTANTIATE_TEST_SUITE_P(Modeles, PortBancModele, testing::Values(0, 1));

TEST(PortBanc, AReadOfMoreThanTheReplyFailsAndLeavesNothingForTheNext) {
    TBanc banc;
    PortBanc port;
    QByteArray recu;
    ASSERT_TRUE(port.ouvre("x"));
    EXPECT_TRUE(port.ecrit("\x01\x03")); // nobody on the line yet
    EXPECT_FALSE(port.lit(1, recu));
    port.branche(banc, 0);
    const auto requete = RequeteLectureRtu(ADRESSE_CALIBRE, 1, 0);
    const QByteArray b(reinterpret_cast<const char*>(requete.data()), qsizetype(requete.size()));
    ASSERT_TRUE(port.ecrit(b));
    EXPECT_FALSE(port.lit(8, recu));
    EXPECT_TRUE(recu.isEmpty());
    EXPECT_FALSE(port.lit(7, recu));
    ASSERT_TRUE(port.ecrit(b));
    ASSERT_TRUE(port.lit(7, recu));
    EXPECT_EQ(recu.left(5).toHex(), "01030205dc"); // 1500, the rating of class 2
    port.ferme();
    EXPECT_FALSE(port.ecrit(b));
}

} // namespace
