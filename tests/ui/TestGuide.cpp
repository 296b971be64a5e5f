// The user guide: F1 in every window, in every language, opens the guide of that language at the
// section of the window (or of its page, its mode); the three guides hold the same sections.
#include "ParamsApplications.h"
#include "ProgrammeTest.h"

#include "application/ChoixMachine.h"
#include "application/ConfigurationApplication.h"
#include "application/FormApplication.h"
#include "application/FormKorlan.h"
#include "application/VisualisationPDF.h"
#include "commun/AideCablage.h"
#include "commun/Avertissements.h"
#include "link/FormVisualisation.h"
#include "socle/Aide.h"
#include "study/FormCalibreCourant.h"
#include "study/FormTraceCaract.h"
#include "study/FormTrierPoints.h"
#include "study/FormVisuApp.h"
#include "study/NouvelCaract.h"
#include "study/PanelCaract.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <set>

namespace {

const char* codes[] = {"fr", "en", "es"};

QTextBrowser* texteAide() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "AIDE VIMRA.HLP" && w->isVisible()) return w->findChild<QTextBrowser*>();
    return nullptr;
}

// The heading that carries anchor `ancre` in the guide shown, empty when there is none.
QString titreSection(QTextBrowser* t, const QString& ancre) {
    for (QTextBlock b = t->document()->begin(); b.isValid(); b = b.next())
        for (auto f = b.begin(); !f.atEnd(); ++f)
            if (f.fragment().charFormat().anchorNames().contains(ancre))
                return b.blockFormat().headingLevel() > 0 ? b.text().trimmed() : QString();
    return {};
}

class Guide;
struct CasFenetre {
    const char* nom;
    int contexte;
    // Brings the window up as a person meets it; returns the control that has the keyboard.
    std::function<QWidget*(Guide&)> montre;
};

class Guide : public ProgrammeTest, public testing::WithParamInterface<std::tuple<int, CasFenetre>> {
public:
    using ProgrammeTest::com;
    using ProgrammeTest::menu;
    using ProgrammeTest::traceSur;
    void SetUp() override {
        ProgrammeTest::SetUp();
        static const bool installee = (installeAide(*qApp), true);
        ASSERT_TRUE(installee);
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "AIDE VIMRA.HLP") w->hide();
        ProgrammeTest::TearDown();
    }
    // The choice screen on `page` with a machine and a load chosen.
    TFormChoixCaract& choix(int page, int charge) {
        sessionTravail().ModeleEssai.TypeMachine() = 3;
        sessionTravail().ModeleEssai.TypeCharge() = charge;
        TFormChoixCaract& c = *fenetres().FormChoixCaract;
        c.PageDemandee = page;
        c.show();
        return c;
    }
    TFormApplication& pompe() {
        Travail& t = travail();
        t.ApplicationCourante = 61;
        t.ParamApplication = ParamsParDefaut(61);
        sessionTravail().MachineApplication = 3;
        fenetres().FormApplication->show();
        return *fenetres().FormApplication;
    }
};

TEST_P(Guide, F1OpensTheGuideOfTheLanguageAtTheSectionOfTheWindow) {
    const auto& [langue, cas] = GetParam();
    ConfigGenerale().LangueConfig = langue;
    montreMenu(); // the language of the settings, and the link on the in-memory drive
    QWidget* w = cas.montre(*this);
    ASSERT_TRUE(w);
    QApplication::processEvents();
    QTest::keyClick(w, Qt::Key_F1);
    QTextBrowser* t = texteAide();
    ASSERT_TRUE(t) << "no guide shown";
    EXPECT_EQ(t->source().path(), QString("/aide/%1.html").arg(codes[langue - 1]));
    const QString ancre = QString("contexte-%1").arg(cas.contexte);
    EXPECT_EQ(t->source().fragment(), ancre);
    EXPECT_FALSE(titreSection(t, ancre).isEmpty()) << "no section " << ancre.toStdString();
}

const CasFenetre fenetresDuGuide[] = {
    {"MainMenu", aide::MenuPrincipal, [](Guide& g) -> QWidget* { return &g.menu(); }},
    {"LinkWindow", aide::Liaison,
     [](Guide& g) -> QWidget* {
         g.com().show();
         return g.com().EditTC[0];
     }},
    {"ChoicePageCharacteristics", aide::ChoixCaracteristiques,
     [](Guide& g) -> QWidget* { return g.choix(0, 1).BoutonsMachine[0]; }},
    {"ChoicePageStatic", aide::ChoixComportement,
     [](Guide& g) -> QWidget* { return g.choix(1, 8).BoutonsCharge[1][2]; }},
    {"ChoicePageInTime", aide::ChoixTemporel,
     [](Guide& g) -> QWidget* { return g.choix(2, 14).ButtonEtude[2]; }},
    {"LoadPanel", aide::PanneauCharge,
     [](Guide& g) -> QWidget* { return g.choix(1, 8).PanelCaract[1]->findChild<QSlider*>(); }},
    {"LiveView", aide::Visualisation,
     [](Guide&) -> QWidget* {
         fenetres().FormVisualisation->show();
         return fenetres().FormVisualisation;
     }},
    {"ApplicationsViewer", aide::VisuApp,
     [](Guide&) -> QWidget* {
         fenetres().FormVisuApp->Montre(3);
         return fenetres().FormVisuApp;
     }},
    {"NewCharacteristic", aide::NouvelCaract,
     [](Guide&) -> QWidget* {
         sessionTravail().ModeleEssai.TypeMachine() = 3;
         fenetres().NouvelCaract->Prepare(ModeDefinition::Nouveau, 1);
         fenetres().NouvelCaract->show();
         return fenetres().NouvelCaract;
     }},
    {"PlotWindow", aide::TraceCaract, [](Guide& g) -> QWidget* { return &g.traceSur(1); }},
    {"PlotWindowManual", aide::TraceManuel,
     [](Guide& g) -> QWidget* {
         TFormTraceCaract& f = g.traceSur(1);
         f.ButtonManu->click();
         return f.ScrollBarK;
     }},
    {"PlotWindowSweep", aide::TraceBalayage,
     [](Guide& g) -> QWidget* {
         TFormTraceCaract& f = g.traceSur(1);
         f.ButtonAuto->click();
         return &f;
     }},
    {"PlotWindowStaticLoad", aide::TraceChargeStatique,
     [](Guide& g) -> QWidget* {
         TFormTraceCaract& f = g.traceSur(8);
         f.ButtonChargeAuto->click();
         return &f;
     }},
    {"PlotWindowOscilloscope", aide::TraceOscillo,
     [](Guide& g) -> QWidget* {
         TFormTraceCaract& f = g.traceSur(14);
         f.ButtonChargeDynamique->click();
         return f.ComboBoxVariable;
     }},
    {"SortPoints", aide::TrierPoints,
     [](Guide&) -> QWidget* {
         fenetres().FormTrierPoints->show();
         return fenetres().FormTrierPoints;
     }},
    {"CurrentRange", aide::CalibreCourant,
     [](Guide&) -> QWidget* {
         fenetres().FormCalibreCourant->show();
         return fenetres().FormCalibreCourant;
     }},
    {"MachineChoice", aide::ChoixMachine,
     [](Guide&) -> QWidget* {
         fenetres().ChoixMachine->show();
         return fenetres().ChoixMachine;
     }},
    {"Catalogue", aide::Catalogue,
     [](Guide&) -> QWidget* {
         fenetres().FormKorlan->show();
         return fenetres().FormKorlan;
     }},
    {"ApplicationConfiguration", aide::ConfigurationApplication,
     [](Guide&) -> QWidget* {
         travail().ApplicationCourante = 61;
         fenetres().ConfigurationApplication->show();
         return fenetres().ConfigurationApplication;
     }},
    {"RunScreen", aide::EcranApplication, [](Guide& g) -> QWidget* { return g.pompe().ButtonCharge; }},
    {"ApplicationSheet", aide::FicheApplication,
     [](Guide&) -> QWidget* {
         travail().ApplicationCourante = 61;
         fenetres().FormVisualisationPDF->show();
         return fenetres().FormVisualisationPDF;
     }},
    {"WiringDiagram", aide::SchemaCablage,
     [](Guide&) -> QWidget* {
         sessionTravail().MachineApplication = 3;
         fenetres().FormAideCablage->show();
         return fenetres().FormAideCablage;
     }},
    {"Warning", aide::Avertissements,
     [](Guide&) -> QWidget* {
         fenetres().Avertissements->Code = 6;
         fenetres().Avertissements->show();
         return fenetres().Avertissements;
     }},
};

INSTANTIATE_TEST_SUITE_P(Fenetres, Guide,
                         testing::Combine(testing::Values(1, 2, 3), testing::ValuesIn(fenetresDuGuide)),
                         [](const auto& i) {
                             return std::string(std::get<1>(i.param).nom) + "_" +
                                    codes[std::get<0>(i.param) - 1];
                         });

TEST(Guides, TheThreeLanguagesHoldTheSameSectionsLinksAndPictures) {
    // What a page names: its anchors, the sections it links to, its pictures (language aside).
    struct Contenu {
        std::set<QString> ancres, liens, images;
    };
    const auto lit = [](const char* code) {
        QFile f(QString(":/aide/%1.html").arg(code));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << code;
        const QString html = QString::fromUtf8(f.readAll());
        Contenu c;
        for (const auto& m : QRegularExpression(R"re(<a name="([^"]+)")re").globalMatch(html))
            c.ancres.insert(m.captured(1));
        for (const auto& m : QRegularExpression(R"re(<a href="#([^"]+)")re").globalMatch(html))
            c.liens.insert(m.captured(1));
        for (const auto& m : QRegularExpression(R"re(<img src="([^"]+)")re").globalMatch(html)) {
            EXPECT_TRUE(QFile::exists(":/aide/" + m.captured(1))) << m.captured(1).toStdString();
            c.images.insert(QString(m.captured(1)).remove(QString("-%1.png").arg(code)));
        }
        return c;
    };
    const Contenu fr = lit("fr");
    for (const QString& l : fr.liens)
        EXPECT_TRUE(fr.ancres.count(l)) << "a link to a missing section: " << l.toStdString();
    EXPECT_GE(fr.images.size(), 8u);
    for (const char* code : {"en", "es"}) {
        const Contenu c = lit(code);
        EXPECT_EQ(c.ancres, fr.ancres) << code;
        EXPECT_EQ(c.liens, fr.liens) << code;
        EXPECT_EQ(c.images, fr.images) << code;
    }
}

TEST_F(ProgrammeTest, TheHelpMenusOpenTheGuideInTheLanguageAtTheSectionOfTheWindow) {
    ConfigGenerale().LangueConfig = 2;
    montreMenu();
    TFormTraceCaract& f = traceSur(1);
    QAction* entree = f.findChild<QAction*>("EntreeAide");
    EXPECT_EQ(entree->text().toStdString(), "Vimra help\tF1");
    entree->trigger();
    ASSERT_TRUE(texteAide());
    EXPECT_EQ(texteAide()->source().toString().toStdString(), "qrc:/aide/en.html#contexte-2");
    f.hide();
    Travail& t = travail();
    t.ApplicationCourante = 61;
    t.ParamApplication = ParamsParDefaut(61);
    fenetres().FormApplication->show();
    fenetres().FormApplication->findChild<QAction*>("EntreeAide")->trigger();
    EXPECT_EQ(texteAide()->source().fragment().toStdString(), "contexte-16");
    texteAide()->window()->hide();
}

// A dialog shown modally blocks every other window: the guide opened from it must still take the
// keyboard.
TEST_F(ProgrammeTest, TheGuideOpenedFromAModalDialogCanBeUsed) {
    static const bool installee = (installeAide(*qApp), true);
    ASSERT_TRUE(installee);
    montreMenu();
    TFormCalibreCourant& d = *fenetres().FormCalibreCourant;
    bool ouverte = false, fermee = false;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&d, Qt::Key_F1);
        QTextBrowser* t = texteAide();
        ouverte = t != nullptr;
        if (t) {
            // Escape closes the guide, when the window system lets the key reach it: it drops what
            // a modal dialog blocks.
            QWidget* fenetre = t->window();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(fenetre));
            QTest::keyClick(fenetre->windowHandle(), Qt::Key_Escape);
            fermee = !fenetre->isVisible();
            fenetre->hide();
        }
        d.reject();
    });
    d.exec();
    EXPECT_TRUE(ouverte);
    EXPECT_TRUE(fermee);
}

} // namespace
