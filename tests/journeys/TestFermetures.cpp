// Every window the main menu leads to, closed by Escape, by its own button and by the window
// manager's close box: the main menu is on view again, and nothing else.
#include "Parcours.h"

#include "socle/ConfigGenerale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <QWindow>

namespace {

enum class Facon { Echap, Bouton, CaseFermeture };

struct Fenetre {
    const char* nom;
    QStringList ouverture; // the clicks that open it from the main menu; "+" a toggle pressed down
    bool modale;
    const char* bouton; // its own way out
};

const Fenetre fenetresDuMenu[] = {
    {"FormChoixCaract", {"Tracé des caractéristiques d'une machine"}, false, "Fermer"},
    {"ChoixMachine", {"Etude sur une application industrielle"}, false, "Annuler"},
    {"FormKorlan",
     {"Etude sur une application industrielle", "+Machine courant continu : excitation indépendante",
      "Choix de l'application"},
     false,
     "Fermer"},
    {"FormCom", {"Configuration"}, true, "Annuler"},
    {"AboutBox", {"Image1"}, true, "OK"},
};

void PrintTo(const Fenetre& f, std::ostream* os) {
    *os << f.nom;
}
void PrintTo(Facon f, std::ostream* os) {
    *os << (f == Facon::Echap ? "Escape" : f == Facon::Bouton ? "its button" : "the close box");
}

// The close box of the window's frame: the window system asks the window to close.
void caseFermeture(QWidget* w) {
    QCloseEvent e;
    QApplication::sendEvent(w->windowHandle(), &e);
}

class Fermeture : public Parcours, public testing::WithParamInterface<std::tuple<Fenetre, Facon>> {};

TEST_P(Fermeture, EveryWayOutOfAWindowOfTheMainMenuShowsTheMainMenuAgain) {
    parcours([&] {
        const auto& [fenetre, facon] = GetParam();
        Geste sortie = facon == Facon::Echap    ? Touche(Qt::Key_Escape)
                       : facon == Facon::Bouton ? Clic(fenetre.bouton)
                                                : Geste(caseFermeture);
        if (fenetre.modale)
            ensuite(Suite({[nom = fenetre.nom](QWidget* w) { EXPECT_EQ(w->objectName(), nom); }, sortie}));
        for (const QString& c : fenetre.ouverture)
            c.startsWith(u'+') ? enfonce(c.mid(1)) : clique(c);
        if (!fenetre.modale) {
            ASSERT_EQ(fenetresVisibles(), QStringList{fenetre.nom});
            QWidget* w = QApplication::activeWindow();
            ASSERT_TRUE(w && w->objectName() == fenetre.nom);
            if (facon == Facon::Echap)
                touche(Qt::Key_Escape);
            else
                sortie(w);
        }
        EXPECT_TRUE(attends([this] { return fenetresVisibles() == QStringList{"FormMachine2"}; }, 1000))
            << "windows on view: " << fenetresVisibles().join(", ").toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(Parcours, Fermeture,
                         testing::Combine(testing::ValuesIn(fenetresDuMenu),
                                          testing::Values(Facon::Echap, Facon::Bouton, Facon::CaseFermeture)),
                         [](const auto& i) {
                             const Facon f = std::get<1>(i.param);
                             return std::string(std::get<0>(i.param).nom) + (f == Facon::Echap ? "_Escape"
                                                                             : f == Facon::Bouton
                                                                                 ? "_Button"
                                                                                 : "_CloseBox");
                         });

} // namespace

namespace {

// The main menu reads "Vimra" and every window its own caption alone: the program names no display
// name that the window system would append to them.
TEST_F(Parcours, TheMainMenuReadsVimraAndNoWindowCarriesTheProgramsName) {
    parcours([&] {
        ASSERT_EQ(fenetresVisibles(), QStringList{"FormMachine2"});
        EXPECT_EQ(QApplication::activeWindow()->windowTitle(), LegendeFenetre("Vimra"));
        EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
        clique("Tracé des caractéristiques d'une machine");
        EXPECT_EQ(QApplication::activeWindow()->windowTitle(),
                  LegendeFenetre("Choix de la machine et des caractéristiques de charge"));
    });
}

} // namespace
