#include "Demarrage.h"

#include "Demo.h"
#include "application/ContexteExport.h"
#include "commun/Fenetres.h"
#include "link/BibliothequeReseau.h"
#include "link/Horloge.h"
#include "link/MachineDuTravail.h"
#include "link/PortSerie.h"
#include "shell/FormMachine2.h"
#include "shell/Programme.h"
#include "shell/Reprise.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dossiers.h"
#include "work/SessionTravail.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>

void NommeApplication() {
    QApplication::setApplicationName("Vimra");
    // No display name: Qt would append it to every window's caption.
    QApplication::setApplicationVersion("1.7");
    QApplication::setOrganizationName("Vimra");
    // The desktop entry and icon of an installed program.
    QApplication::setDesktopFileName("fr.vimra.Vimra");
    QApplication::setWindowIcon(QIcon(":/fr.vimra.Vimra.svg"));
}

// In demo mode the link's port is the bench's.
Demarrage::Demarrage(bool demo)
    : m_demo(demo ? std::make_unique<Demo>() : nullptr), m_port(m_demo ? nullptr : creePortSerieSysteme()),
      m_reseau(creeBibliothequeModbusTcp()),
      m_liaison(std::make_unique<Liaison>(m_demo ? m_demo->port() : *m_port, *m_reseau, horlogeSysteme(),
                                          ConfigGenerale(), machineDuTravail(sessionTravail()))) {
    // A drive that keeps the line waiting holds the link's thread, never a window.
    if (!m_demo || Demo::surLigne()) m_liaison->EchangesEnFond();
    installeDialogues(&m_dialogues);
    // A workbook tells the load law or the application of each test as their panels show them.
    InstalleParametresEssai(ParametresChargeEssai);
    // Only the main menu ends the program, after its question. Qt would otherwise end it as soon
    // as no window of its own is on view: closing the run screen while the catalogue (a window
    // of the main menu) shows would quit.
    QApplication::setQuitOnLastWindowClosed(false);
    m_programme = std::make_unique<Programme>(*m_liaison, travail(), sessionTravail());
    // The folders are known once the main menu has read the settings.
    m_reprise = std::make_unique<Reprise>(dossiers().DossierReprise, demo, fenetres().FormMachine2);
    // The bench starts once the main menu has read the settings.
    if (m_demo) m_pret = m_demo->demarre(*m_liaison);
}

Demarrage::~Demarrage() {
    // The work was saved or given up as its user chose: its journal goes. Then the windows say
    // goodbye to the bench, the link that holds the bench's port goes, and the bench says what it
    // last received.
    m_reprise.reset();
    m_programme.reset();
    m_liaison.reset();
    m_demo.reset();
    InstalleParametresEssai(nullptr);
    installeDialogues(nullptr);
}

void Demarrage::montreMenu() {
    TFormMachine2* menu = fenetres().FormMachine2;
    menu->move(menu->screen()->availableGeometry().center() - menu->rect().center());
    menu->show();
    QTimer::singleShot(0, m_reprise.get(), &Reprise::offre);
}
