// In demo mode the main menu and every window a student reads numbers from say that the bench is
// simulated, in the language of the moment; nothing of it reaches the files.
#include "ParamsApplications.h"
#include "ProgrammeTest.h"

#include "application/FormApplication.h"
#include "application/FormKorlan.h"
#include "link/FormVisualisation.h"
#include "study/FormTraceCaract.h"
#include "work/FichierTravail.h"

#include <QLabel>

namespace {

struct CasMention {
    const char* nom;
    int code;
    const char* mention;
};

class MentionDemo : public ProgrammeTest, public testing::WithParamInterface<CasMention> {
protected:
    void TearDown() override {
        QuitteModeDemo();
        ProgrammeTest::TearDown();
    }
    QImage banniere() { return menu().findChild<QLabel*>("Image1")->pixmap().toImage(); }
};

TEST_P(MentionDemo, TheMenuBannerAndTheStudyWindowsSayTheBenchIsSimulated) {
    const QString suffixe = QString::fromUtf8(" — ") + QString::fromUtf8(GetParam().mention);
    ConfigGenerale().LangueConfig = GetParam().code;
    montreMenu();
    const QImage sans = banniere();
    EntreModeDemo();
    menu().repaint();
    EXPECT_EQ(menu().windowTitle(), "Vimra" + suffixe);
    EXPECT_NE(banniere(), sans);

    Travail& t = travail();
    sessionTravail().ModeleEssai.TypeMachine() = 3;
    sessionTravail().ModeleEssai.TypeCharge() = 1;
    t.ApplicationCourante = 61;
    t.ParamApplication = ParamsParDefaut(61);
    sessionTravail().MachineApplication = 3;
    t.AjouteEssai(sessionTravail());
    const Fenetres& f = fenetres();
    for (QWidget* w : std::initializer_list<QWidget*>{f.FormTraceCaract, f.FormVisualisation, f.FormKorlan,
                                                      f.FormChoixCaract, f.FormApplication}) {
        w->show();
        QApplication::processEvents();
        EXPECT_TRUE(w->windowTitle().endsWith(suffixe))
            << w->objectName().toStdString() << ": " << w->windowTitle().toStdString();
        w->hide();
    }

    t.AjoutePoint(sessionTravail(), VecteurMesures{});
    const QByteArray travailEcrit = OctetsTravail(t, Disposition::Vimr2);
    EXPECT_FALSE(travailEcrit.contains("simul") || travailEcrit.contains("Simul"));

    QuitteModeDemo();
    menu().repaint();
    EXPECT_EQ(menu().windowTitle(), "Vimra");
    EXPECT_EQ(banniere(), sans);
}

INSTANTIATE_TEST_SUITE_P(Langues, MentionDemo,
                         testing::Values(CasMention{"french", 1, "Banc simulé"},
                                         CasMention{"english", 2, "Simulated bench"},
                                         CasMention{"spanish", 3, "Banco simulado"}),
                         [](const auto& i) { return std::string(i.param.nom); });

} // namespace
