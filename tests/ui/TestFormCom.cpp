#include "ProgrammeTest.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

TEST_F(ProgrammeTest, ShowingTheLinkWindowClosesTheLinkAndCancelLeavesItClosed) {
    montreMenu();
    ASSERT_TRUE(liaison->LinkOpen);
    com().show();
    EXPECT_FALSE(liaison->LinkOpen);
    EXPECT_EQ(port.esclave.registres[2028], 0);
    com().reject();
    EXPECT_FALSE(liaison->LinkOpen);
}

TEST_F(ProgrammeTest, AnAddressByteAbove255IsCorrectedWithAMessage) {
    com().show();
    com().EditTC[2]->setText("300");
    EXPECT_EQ(com().EditTC[2]->text(), "255");
    EXPECT_EQ(dialogues.avertissements,
              QStringList{QString::fromUtf8("La valeur doit être comprise entre 0 et 255")});
    EXPECT_EQ(com().EditTC[0]->text(), "192");
    com().EditTC[1]->setText("");
    EXPECT_EQ(dialogues.avertissements.size(), 1); // an empty edit counts as 0
}

TEST_F(ProgrammeTest, AddressEditsTakeDigitsOnly) {
    com().show();
    QLineEdit* e = com().EditTC[0];
    e->clear();
    e->setFocus();
    QTest::keyClicks(e, "1a2.34");
    EXPECT_EQ(e->text(), "123");
}

struct CasBoutons {
    int32_t langue, frequence;
    const char* langueAttendue; // object name of the pressed button, or "" for none
    const char* frequenceAttendue;
};

class BoutonsPresses : public ProgrammeTest, public testing::WithParamInterface<CasBoutons> {};

TEST_P(BoutonsPresses, FollowTheSettings) {
    ConfigGenerale().LangueConfig = GetParam().langue;
    ConfigGenerale().FrequenceReseau = GetParam().frequence;
    com().show();
    QString langue, frequence;
    for (QToolButton* b : {com().ButtonFR, com().ButtonUK, com().ButtonSP})
        if (b->isChecked()) langue = b->objectName();
    for (QToolButton* b : {com().Button50Hz, com().Button60Hz})
        if (b->isChecked()) frequence = b->objectName();
    EXPECT_EQ(langue, GetParam().langueAttendue);
    EXPECT_EQ(frequence, GetParam().frequenceAttendue);
    EXPECT_FALSE(com().GroupBoxVariateur->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Cas, BoutonsPresses,
                         testing::Values(CasBoutons{0, 50, "ButtonFR", "Button50Hz"},
                                         CasBoutons{2, 60, "ButtonUK", "Button60Hz"},
                                         CasBoutons{3, 55, "ButtonSP", ""},
                                         CasBoutons{7, 50, "", "Button50Hz"}));

TEST_F(ProgrammeTest, ALanguageButtonSwitchesAtOnce) {
    com().show();
    com().ButtonSP->click();
    EXPECT_EQ(Textes().Texte[1], "Anular");
    EXPECT_EQ(com().windowTitle(), QString::fromUtf8("Configuración"));
    EXPECT_EQ(com().PageControlCom->tabText(0), "Comunicación serie");
}

TEST_F(ProgrammeTest, OkOnTheNetworkPageStoresTheChoicesAndStartsTheLink) {
    montreMenu();
    ConfigGenerale().PortCom.setTexte("COM5");
    com().show();
    com().PageControlCom->setCurrentIndex(1);
    com().EditTC[3]->setText("42");
    com().ButtonUK->click();
    com().Button60Hz->click();
    sessionTravail().Colonnes[1].Nom = "autre";
    com().BoutonOKClick();
    const TConfigGenerale& c = ConfigGenerale();
    EXPECT_EQ(c.TypeLiaison, 0);
    EXPECT_EQ(c.PortCom.texte(), "COM5");
    EXPECT_EQ(c.AdresseIP[3].texte(), "42");
    EXPECT_EQ(TexteAdresseIP(c), "(192.168.1.42)");
    EXPECT_EQ(c.LangueConfig, 2);
    EXPECT_EQ(c.FrequenceReseau, 60);
    EXPECT_EQ(sessionTravail().Colonnes[1].Nom, "Rotational speed");
    // The network library refuses the user: the link start reports it.
    EXPECT_EQ(dialogues.avertissements, QStringList{"Connection error"});
    EXPECT_EQ(c.ClassePuissance, 2);
    EXPECT_EQ(com().result(), QDialog::Accepted);
}

TEST_F(ProgrammeTest, OkOnTheSerialPageTakesTheSelectedPort) {
    com().show();
    com().ComSelection->remplit({"ttyS0", "ttyUSB0", "ttyS0"});
    EXPECT_EQ(IndexPort(com().ComSelection->items(), "ttyS0"), 2); // the last equal item wins
    com().PageControlCom->setCurrentIndex(0);
    com().ComSelection->findChildren<QRadioButton*>()[1]->setChecked(true);
    com().BoutonOKClick();
    EXPECT_EQ(ConfigGenerale().TypeLiaison, 1);
    EXPECT_EQ(ConfigGenerale().PortCom.texte(), "ttyUSB0");
    EXPECT_EQ(port.nomOuvert, "ttyUSB0");
    EXPECT_TRUE(liaison->LinkOpen);
}

TEST_F(ProgrammeTest, OkWithNoPortSelectedStoresAnEmptyNameAndTheStartFails) {
    com().show();
    com().ComSelection->remplit({});
    com().PageControlCom->setCurrentIndex(0);
    com().BoutonOKClick();
    EXPECT_EQ(ConfigGenerale().PortCom.texte(), "");
    EXPECT_FALSE(liaison->LinkOpen);
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de liaison"});
}

TEST_F(ProgrammeTest, TheSpyCopiesTheExchangeLogAndEmptiesIt) {
    montreMenu();
    liaison->WriteRegModbus(20, 29, 4660);
    com().Espion();
    EXPECT_EQ(QApplication::clipboard()->text(), "2028\t4660\t0001\t0010\t0011\t0100\r\n");
    EXPECT_EQ(liaison->SpyLog.count(), 0);
    com().Espion();
    EXPECT_EQ(QApplication::clipboard()->text(), "");
}

} // namespace
