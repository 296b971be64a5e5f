#pragma once
// Journeys: the whole program as it starts (every window, the Qt dialogues, the simulated bench
// inside the process on a pseudo-terminal), in a program folder of its own, driven only by key
// presses and mouse clicks on the controls a person sees. Nothing here calls a window's handler:
// a control is found by its caption or its name among the visible windows and clicked, and a
// window the program opens modally (message box, file dialog, dialog) or as a pop-up menu is
// answered by a gesture queued before the click that opens it.

#include "app/Demarrage.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <vector>

class QEventLoop;
class QWidget;
class TBanc;
class Travail;

// Texts in the failures' messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '{' << l.join(", ").toStdString() << '}';
}

// What a person does in a window the program opened while the click that opened it waits.
using Geste = std::function<void(QWidget*)>;

// Clicks the control of that caption in the window.
Geste Clic(const QString& legende);
// Clears the focused field, types `nom` and presses Enter: a file dialog's name.
Geste Nom(const QString& nom);
// Presses a key in the window.
Geste Touche(int cle);
// The entries of a pop-up menu, read into `entrees`; then Escape closes it.
Geste LitEntrees(QStringList& entrees);
// Several gestures in the same window, in order.
Geste Suite(std::vector<Geste> gestes);

class Parcours : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Clicks the visible, enabled control of that caption (button text) or object name; "A/B" is
    // B inside the control named or captioned A. A control that is missing, hidden or disabled
    // cannot be clicked: the journey stops there.
    void clique(const QString& legende);
    // Clicks a control found otherwise (a graph's drawing), with the same checks.
    void clique(QWidget* w, Qt::MouseButton bouton = Qt::LeftButton);
    // Clicks a toggle only when it is not down yet.
    void enfonce(const QString& legende);
    // The titles of the active window's menu bar.
    QStringList titresMenus() const;
    // Opens a menu of the active window's menu bar by a click on its title and clicks each entry
    // in turn; with the title alone, the open menu's entries (then Escape closes it).
    QStringList menu(const QStringList& chemin);
    // Clicks a scroll bar's trough beside its handle, `fois` times: up (> 0) or down (< 0) a page.
    void pageBarre(const QString& nom, int fois);
    // A key pressed where the keyboard is: the focused control of the active window.
    void touche(int cle, Qt::KeyboardModifiers modificateurs = Qt::NoModifier);
    // The next window the program opens modally or as a pop-up menu gets this gesture.
    void ensuite(Geste geste);
    bool attends(const std::function<bool()>& condition, int ms = 5000);
    // Waits until exactly these windows are on view; the journey stops when they are not.
    void attendsFenetres(const QStringList& noms, int ms = 3000);
    // Runs a journey's steps in the program's event loop, as main() runs it. A step that cannot be
    // done stops the journey with its reason.
    void parcours(const std::function<void()>& etapes);
    // The program has ended: its event loop was told to stop.
    bool programmeFini() const;

    // What a person sees: the visible windows (their names), a control's state and text.
    QStringList fenetresVisibles() const;
    // The visible control of that caption or name; the journey stops when there is none.
    QWidget* controle(const QString& legende) const;
    bool visible(const QString& legende) const;
    // A work file saved in the program folder, read back with the program's reader (empty when
    // refused).
    std::unique_ptr<Travail> lit(const QString& nom) const;
    QString cheminTravail(const QString& nom) const;
    // What the simulated bench received.
    TBanc& banc();
    // From the main menu (by `mode`, else the characteristic study's button): the separately excited
    // DC machine on `charge`, `etude`, and the first characteristic (torque against speed) in the
    // dialog that asks for one.
    void ouvreEtude(const QString& mode = {}, const QString& charge = "T = K",
                    const QString& etude = "ETUDE");
    // From the main menu: the pump of the catalogue on the separately excited DC machine.
    void ouvrePompe();
    // The program ended (as its destruction ends it) and started again in the same folder; gestures
    // queued before answer what it asks at start-up.
    void redemarre();

    QTemporaryDir dossier;
    // The program folder: the temporary folder, or the one VIMRA_PARCOURS_DOSSIER names (a program
    // started by a journey to be killed).
    QString racine;
    std::unique_ptr<Demarrage> programme;

private:
    void surveille();
    // The steps stop once the program has ended: nothing is left to click.
    void enCours() const;
    QWidget* cliquable(const QString& legende) const;

    QString m_avant;
    QTimer m_surveillant;
    std::deque<Geste> m_gestes;
    QPointer<QWidget> m_traitee;
    QElapsedTimer m_attente;
    bool m_menuEnCours = false;
    bool m_occupe = false; // a gesture is under way
    QEventLoop* m_sentinelle = nullptr;
    QString m_etape; // the last step, for the messages
};

// Thrown when a step cannot be done as a person would (the control is missing, hidden or
// disabled); the journey stops there with the reason.
struct EtapeImpossible : std::runtime_error {
    using std::runtime_error::runtime_error;
};
