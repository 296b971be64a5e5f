// What a screen reader says: every control of every window, in every language, has a name.
#include "ParamsApplications.h"
#include "ProgrammeTest.h"

#include "application/ChoixMachine.h"
#include "application/ConfigurationApplication.h"
#include "application/FormApplication.h"
#include "application/FormKorlan.h"
#include "application/VisualisationPDF.h"
#include "commun/AboutBox.h"
#include "commun/AideCablage.h"
#include "commun/Avertissements.h"
#include "graph/CaractMachine.h"
#include "link/FormVisualisation.h"
#include "socle/LibelleElide.h"
#include "study/FormCalibreCourant.h"
#include "study/FormTraceCaract.h"
#include "study/FormTrierPoints.h"
#include "study/FormVisuApp.h"
#include "study/NouvelCaract.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <vector>

namespace {

const char* codes[] = {"fr", "en", "es"};

QString nomAccessible(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name).trimmed() : QString();
}

// A control a person reaches or reads: what takes the keyboard, the displays and graphs, and the
// pictures that stand alone (a picture beside its text is read through that text).
bool estControle(QWidget* w) {
    for (QWidget* p = w; p; p = p->parentWidget())
        if (p->objectName().startsWith("qt_")) return false; // the inner parts of Qt's own widgets
    if (auto* image = qobject_cast<QLabel*>(w)) return !image->pixmap().isNull() && image->text().isEmpty();
    if (w->focusPolicy() & Qt::TabFocus) return true; // whatever Tab reaches
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QAbstractItemView*>(w) || dynamic_cast<TCaractMachine*>(w) ||
           qobject_cast<AffichageMesure*>(w) || qobject_cast<TAffichage*>(w) ||
           qobject_cast<BarGrapheCharge*>(w) || qobject_cast<QTabWidget*>(w);
}

// The visible controls of `fenetre` that a screen reader would announce without a name.
QStringList sansNom(QWidget* fenetre) {
    QStringList manquants;
    for (QWidget* w : fenetre->findChildren<QWidget*>())
        if (w->isVisible() && w->window() == fenetre && estControle(w) && nomAccessible(w).isEmpty())
            manquants << QString("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
    return manquants;
}

class Accessibilite;
struct CasFenetre {
    const char* nom;
    std::function<QWidget*(Accessibilite&)> montre; // the window as a person meets it
};

class Accessibilite : public ProgrammeTest, public testing::WithParamInterface<std::tuple<int, CasFenetre>> {
public:
    using ProgrammeTest::com;
    using ProgrammeTest::menu;
    using ProgrammeTest::traceSur;
    void langue(int l) {
        ConfigGenerale().LangueConfig = l;
        AppliqueLangue(l);
    }
    TFormChoixCaract* choix(int page, int charge) {
        sessionTravail().ModeleEssai.TypeMachine() = 3;
        sessionTravail().ModeleEssai.TypeCharge() = charge;
        TFormChoixCaract& c = *fenetres().FormChoixCaract;
        c.PageDemandee = page;
        c.show();
        return &c;
    }
    // The window of the test's case, in the test's language, as a person meets it.
    QWidget* ouvre() {
        const auto& [l, cas] = GetParam();
        langue(l);
        montreMenu();
        QWidget* fenetre = cas.montre(*this);
        QApplication::processEvents();
        return fenetre;
    }
    // The plot window on load type `charge`, in the mode its button `bouton` starts.
    QWidget* modeTrace(int charge, QToolButton* TFormTraceCaract::*bouton) {
        TFormTraceCaract& f = traceSur(charge);
        (f.*bouton)->click();
        return &f;
    }
    template <typename F> static QWidget* montre(F* f) {
        f->show();
        return f;
    }
};

TEST_P(Accessibilite, EveryVisibleControlHasAName) {
    const auto& [l, cas] = GetParam();
    QWidget* fenetre = ouvre();
    ASSERT_TRUE(fenetre);
    const QStringList manquants = sansNom(fenetre);
    EXPECT_TRUE(manquants.isEmpty()) << cas.nom << " " << codes[l - 1] << ": "
                                     << manquants.join(", ").toStdString();
}

const CasFenetre fenetresAccessibles[] = {
    {"MainMenu", [](Accessibilite& a) -> QWidget* { return &a.menu(); }},
    {"LinkWindow", [](Accessibilite& a) { return Accessibilite::montre(&a.com()); }},
    {"ChoicePageCharacteristics", [](Accessibilite& a) -> QWidget* { return a.choix(0, 1); }},
    {"ChoicePageStatic", [](Accessibilite& a) -> QWidget* { return a.choix(1, 8); }},
    {"ChoicePageInTime", [](Accessibilite& a) -> QWidget* { return a.choix(2, 14); }},
    {"PlotWindow", [](Accessibilite& a) -> QWidget* { return &a.traceSur(1); }},
    {"PlotWindowManual", [](Accessibilite& a) { return a.modeTrace(1, &TFormTraceCaract::ButtonManu); }},
    {"PlotWindowSweep", [](Accessibilite& a) { return a.modeTrace(1, &TFormTraceCaract::ButtonAuto); }},
    {"PlotWindowStaticLoad",
     [](Accessibilite& a) { return a.modeTrace(8, &TFormTraceCaract::ButtonChargeAuto); }},
    {"PlotWindowOscilloscope",
     [](Accessibilite& a) { return a.modeTrace(14, &TFormTraceCaract::ButtonChargeDynamique); }},
    {"NewCharacteristic",
     [](Accessibilite&) {
         sessionTravail().ModeleEssai.TypeMachine() = 3;
         fenetres().NouvelCaract->Prepare(ModeDefinition::Nouveau, 1);
         return Accessibilite::montre(fenetres().NouvelCaract);
     }},
    {"LiveView", [](Accessibilite&) { return Accessibilite::montre(fenetres().FormVisualisation); }},
    {"ApplicationsViewer",
     [](Accessibilite&) -> QWidget* {
         fenetres().FormVisuApp->Montre(3);
         return fenetres().FormVisuApp;
     }},
    {"SortPoints", [](Accessibilite&) { return Accessibilite::montre(fenetres().FormTrierPoints); }},
    {"CurrentRange", [](Accessibilite&) { return Accessibilite::montre(fenetres().FormCalibreCourant); }},
    {"MachineChoice", [](Accessibilite&) { return Accessibilite::montre(fenetres().ChoixMachine); }},
    {"Catalogue", [](Accessibilite&) { return Accessibilite::montre(fenetres().FormKorlan); }},
    {"ApplicationConfiguration",
     [](Accessibilite&) {
         travail().ApplicationCourante = 61;
         return Accessibilite::montre(fenetres().ConfigurationApplication);
     }},
    {"RunScreen",
     [](Accessibilite&) {
         Travail& t = travail();
         t.ApplicationCourante = 61;
         t.ParamApplication = ParamsParDefaut(61);
         sessionTravail().MachineApplication = 3;
         return Accessibilite::montre(fenetres().FormApplication);
     }},
    {"RunScreenOscilloscope",
     [](Accessibilite&) {
         Travail& t = travail();
         t.ApplicationCourante = 61;
         t.ParamApplication = ParamsParDefaut(61);
         sessionTravail().MachineApplication = 3;
         TFormApplication* f = fenetres().FormApplication;
         f->show();
         f->BoutonOscillo->click();
         return f;
     }},
    {"ApplicationSheet",
     [](Accessibilite&) {
         travail().ApplicationCourante = 61;
         return Accessibilite::montre(fenetres().FormVisualisationPDF);
     }},
    {"WiringDiagram",
     [](Accessibilite&) {
         sessionTravail().MachineApplication = 3;
         return Accessibilite::montre(fenetres().FormAideCablage);
     }},
    {"AboutBox", [](Accessibilite&) { return Accessibilite::montre(fenetres().AboutBox); }},
    {"Warning",
     [](Accessibilite&) {
         fenetres().Avertissements->Code = 6;
         return Accessibilite::montre(fenetres().Avertissements);
     }},
};

INSTANTIATE_TEST_SUITE_P(Fenetres, Accessibilite,
                         testing::Combine(testing::Values(1, 2, 3), testing::ValuesIn(fenetresAccessibles)),
                         [](const auto& i) {
                             return std::string(std::get<1>(i.param).nom) + "_" +
                                    codes[std::get<0>(i.param) - 1];
                         });

// In a dialog, Tab goes round as the eye reads: from the top-left control, through the content, to the
// default button and the buttons beside it, then back to the top-left control.
class OrdreTab : public Accessibilite {};

TEST_P(OrdreTab, ADialogsButtonsEndTheRoundOfTab) {
    const auto& [l, cas] = GetParam();
    QWidget* fenetre = ouvre();
    ASSERT_TRUE(fenetre);
    auto estArret = [fenetre](QWidget* w) {
        return w != fenetre && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
               w->window() == fenetre;
    };
    auto lieu = [fenetre](QWidget* w) { return w->mapTo(fenetre, QPoint(0, 0)); };
    QWidget* depart = nullptr; // the top-left stop
    for (QWidget* w = fenetre->nextInFocusChain(); w != fenetre; w = w->nextInFocusChain())
        if (estArret(w) &&
            (!depart || std::pair(lieu(w).y(), lieu(w).x()) < std::pair(lieu(depart).y(), lieu(depart).x())))
            depart = w;
    ASSERT_TRUE(depart) << cas.nom;
    QStringList arrets; // the round from there, a push button marked with a star
    int dernierAutre = -1, defaut = -1;
    QWidget* w = depart;
    do {
        if (estArret(w)) {
            auto* bouton = qobject_cast<QPushButton*>(w);
            arrets << (bouton ? "*" : "") + nomAccessible(w);
            if (bouton && bouton->isDefault()) defaut = int(arrets.size()) - 1;
            if (!bouton) dernierAutre = int(arrets.size()) - 1;
        }
        w = w->nextInFocusChain();
    } while (w != depart);
    ASSERT_GE(defaut, 0) << cas.nom << ": no default button";
    EXPECT_LT(dernierAutre, defaut) << cas.nom << ": " << arrets.join(" | ").toStdString();
}

std::vector<CasFenetre> dialogues() {
    std::vector<CasFenetre> d;
    for (const CasFenetre& c : fenetresAccessibles)
        for (const char* nom : {"LinkWindow", "NewCharacteristic", "SortPoints", "CurrentRange",
                                "ApplicationConfiguration", "AboutBox", "Warning"})
            if (std::string(c.nom) == nom) d.push_back(c);
    return d;
}

INSTANTIATE_TEST_SUITE_P(Dialogues, OrdreTab,
                         testing::Combine(testing::Values(1), testing::ValuesIn(dialogues())),
                         [](const auto& i) { return std::string(std::get<1>(i.param).nom); });

// The texts a person reads whole but a too narrow control would cut: a button's caption, a label
// on one line (a text that gives way ends in "…" and is read whole: not cut).
QStringList textesCoupes(QWidget* fenetre) {
    QStringList coupes;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != fenetre || w->objectName().startsWith("qt_") ||
            dynamic_cast<LibelleElide*>(w))
            continue;
        QString texte;
        int place = 0;
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->icon().isNull()) {
            texte = b->text();
            place = b->width() - 4; // the frame of the button
        } else if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap() &&
                                                       l->textFormat() != Qt::RichText &&
                                                       !Qt::mightBeRichText(l->text())) {
            texte = l->text();
            place = l->contentsRect().width();
        }
        texte = texte.remove(u'&').trimmed();
        if (!texte.isEmpty() && !texte.contains(u'\n') && w->fontMetrics().horizontalAdvance(texte) > place)
            coupes << QString("%1 \"%2\"").arg(w->objectName(), texte);
    }
    return coupes;
}

// With a system font of 14 points, set before the program starts, every window still shows its
// texts whole. Run by the test ui_grand_texte on a screen of 1920 x 1080 (VIMRA_ECRAN_LARGE): the
// offscreen screen of the other tests is 800 pixels wide and would hold a window below its minimum.
class GrandTexte : public Accessibilite {
protected:
    void SetUp() override {
        QFont grande = m_avant;
        grande.setPointSize(14);
        QApplication::setFont(grande);
        Accessibilite::SetUp();
    }
    void TearDown() override {
        Accessibilite::TearDown();
        QApplication::setFont(m_avant);
    }

private:
    const QFont m_avant = QApplication::font();
};

TEST_P(GrandTexte, NoTextIsCut) {
    const auto& [l, cas] = GetParam();
    QWidget* fenetre = ouvre();
    ASSERT_TRUE(fenetre);
    const QStringList coupes = textesCoupes(fenetre);
    EXPECT_TRUE(coupes.isEmpty()) << cas.nom << " " << codes[l - 1] << ": "
                                  << coupes.join(", ").toStdString();
}

std::vector<int> languesGrandTexte() {
    return qEnvironmentVariableIsSet("VIMRA_ECRAN_LARGE") ? std::vector<int>{1, 3} : std::vector<int>{};
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GrandTexte);
INSTANTIATE_TEST_SUITE_P(Fenetres, GrandTexte,
                         testing::Combine(testing::ValuesIn(languesGrandTexte()),
                                          testing::ValuesIn(fenetresAccessibles)),
                         [](const auto& i) {
                             return std::string(std::get<1>(i.param).nom) + "_" +
                                    codes[std::get<0>(i.param) - 1];
                         });

// A screen reader may switch a toggle by its Toggle action, which changes the state without a click:
// the choice screen follows it as it follows a click.
TEST_F(ProgrammeTest, TheChoiceScreenFollowsTogglesSwitchedByTheirAccessibleAction) {
    montreMenu();
    sessionTravail().ModeleEssai.TypeMachine() = 0; // nothing chosen yet
    sessionTravail().ModeleEssai.TypeCharge() = 0;
    TFormChoixCaract& c = *fenetres().FormChoixCaract;
    c.PageDemandee = 0;
    c.show();
    ASSERT_FALSE(c.ButtonEtude[0]->isEnabled());
    for (QToolButton* b : {c.BoutonsMachine[2], c.BoutonsCharge[0][0]}) {
        ASSERT_FALSE(b->isChecked());
        QAccessibleActionInterface* action = QAccessible::queryAccessibleInterface(b)->actionInterface();
        ASSERT_TRUE(action);
        action->doAction(QAccessibleActionInterface::toggleAction());
        ASSERT_TRUE(b->isChecked());
    }
    EXPECT_TRUE(c.ButtonEtude[0]->isEnabled());
}

TEST_F(ProgrammeTest, TheNamesFollowTheLanguage) {
    const auto& fr = TextesConstants(Langue::Francais).Texte;
    const auto& en = TextesConstants(Langue::Anglais).Texte;
    montreMenu();
    EXPECT_EQ(nomAccessible(menu().bouton("ButtonOuvrir")), fr[12].trimmed());
    EXPECT_EQ(nomAccessible(menu().bouton("ButtonTraceCaract")), fr[5].trimmed());
    ConfigGenerale().LangueConfig = 2; // as the link window's language buttons leave it
    menu().hide();
    montreMenu();
    EXPECT_EQ(nomAccessible(menu().bouton("ButtonOuvrir")), en[12].trimmed());
    EXPECT_EQ(nomAccessible(menu().bouton("ButtonTraceCaract")), en[5].trimmed());
    // An open window takes the names of the new language at once.
    AppliqueLangue(1);
    TFormTraceCaract& f = traceSur(1);
    QApplication::processEvents();
    AppliqueLangue(2);
    QApplication::processEvents();
    EXPECT_EQ(nomAccessible(f.panneau(1)->ZoomX), en[294]);
    EXPECT_EQ(nomAccessible(f.Editcourbe[0]), en[333] + " 1");
}

// A graph is read as what it plots against what, then how many tests and points it holds; a test's
// button as its number, then its comment.
TEST_F(ProgrammeTest, AGraphIsReadAsItsCharacteristicAndItsPointsATestWithItsComment) {
    Travail& t = travail();
    sessionTravail().ModeleEssai.TypeMachine() = 3;
    sessionTravail().ModeleEssai.TypeCharge() = 1;
    t.AjouteEssai(sessionTravail());
    t.EnteteTravail.DefCaract(1) = TDefCaract{1, 1, {}, 1, 18, {}, 2, 18, {}, 0};
    t.Essais[1].Entete.DernierPoint() = 2;
    t.Essais[1].Entete.setCommentaire("moteur chaud");
    t.AjouteEssai(sessionTravail());
    t.Essais[2].Entete.DernierPoint() = 0;
    sessionTravail().TravailEnregistre = true;
    montreMenu();
    fenetres().FormTraceCaract->show();
    QApplication::processEvents();
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(fenetres().FormTraceCaract->panneau(1));
    ASSERT_TRUE(i);
    EXPECT_EQ(i->text(QAccessible::Name).toStdString(), "Tu(n)");
    EXPECT_EQ(i->text(QAccessible::Description).toStdString(), "2 essai(s), 4 point(s)");
    QAccessibleInterface* b =
        QAccessible::queryAccessibleInterface(fenetres().FormTraceCaract->Buttoncourbe[0]);
    EXPECT_EQ(b->text(QAccessible::Name).toStdString(), "Essai 1");
    EXPECT_EQ(b->text(QAccessible::Description).toStdString(), "moteur chaud");
}

// Return and Enter press the focused button of the main menu and of the choice screen, as Space does;
// Tab visits every toggle of the choice screen.
TEST_F(ProgrammeTest, ReturnPressesTheFocusedButtonOfTheMainMenuAndTheChoiceScreen) {
    for (Qt::Key touche : {Qt::Key_Return, Qt::Key_Enter}) {
        montreMenu();
        QToolButton* b = menu().bouton("ButtonEtudeMachine");
        b->setFocus();
        QTest::keyClick(b, touche);
        EXPECT_TRUE(fenetres().FormChoixCaract->isVisible()) << touche;
        EXPECT_FALSE(menu().isVisible()) << touche;
        fenetres().FormChoixCaract->hide();
    }
    // The choice screen's toggles as well, without pressing its study button.
    sessionTravail().ModeleEssai.TypeMachine() = 3;
    TFormChoixCaract& c = *fenetres().FormChoixCaract;
    c.PageDemandee = 0;
    c.show();
    QApplication::processEvents();
    QToolButton* continu = c.BoutonsMachine[0];
    ASSERT_FALSE(continu->isChecked());
    continu->setFocus();
    QTest::keyClick(continu, Qt::Key_Return);
    EXPECT_TRUE(continu->isChecked());
    EXPECT_TRUE(c.isVisible());
    // Tab reaches each toggle, not one of each row.
    c.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&c));
    continu->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c.windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), c.BoutonsMachine[1]);
}

} // namespace
