#include "Demarrage.h"

#include "Demo.h"
#include "link/BibliothequeReseau.h"
#include "link/Horloge.h"
#include "link/Liaison.h"
#include "link/PortSerie.h"
#include "shell/ConfigGenerale.h"
#include "shell/Fenetres.h"
#include "shell/FormMachine2.h"
#include "shell/Programme.h"
#include "work/Travail.h"

#include <QApplication>
#include <QScreen>

void NommeApplication() {
    QApplication::setApplicationName("Vimra");
    QApplication::setApplicationDisplayName("Vimra_2");
    QApplication::setApplicationVersion("1.7");
    QApplication::setOrganizationName("Vimra");
}

Demarrage::Demarrage(bool demo)
    : m_port(creePortSerieSysteme()), m_reseau(creeBibliothequeModbusTcp()),
      m_liaison(
          std::make_unique<Liaison>(*m_port, *m_reseau, horlogeSysteme(), ConfigGenerale(), travail())) {
    installeDialogues(&m_dialogues);
    // Only the main menu ends the program, after its question. Qt would otherwise end it as soon
    // as no window of its own is on view: closing the run screen while the catalogue (a window
    // of the main menu) shows would quit.
    QApplication::setQuitOnLastWindowClosed(false);
    m_programme = std::make_unique<Programme>(*m_liaison);
    if (demo) {
        m_demo = Demo::demarre(*m_liaison);
        m_pret = m_demo != nullptr;
    }
}

Demarrage::~Demarrage() {
    // The bench says what it last received once the windows have said goodbye to it.
    m_demo.reset();
    m_programme.reset();
    installeDialogues(nullptr);
}

void Demarrage::montreMenu() {
    TFormMachine2* menu = fenetres().FormMachine2;
    menu->move(menu->screen()->availableGeometry().center() - menu->rect().center());
    menu->show();
}
