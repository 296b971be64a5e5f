#pragma once
// The program between its application object and its event loop: the Qt dialogues, the drive
// link, every window and, in demo mode, the simulated bench inside the process. main() starts the
// program through it, and so do the journey tests.

#include "socle/DialoguesQt.h"

#include <memory>

class BibliothequeReseau;
class Demo;
class Liaison;
class PortSerie;
class Programme;
class Reprise;

// The application's names, as the windows and the dialogs show them.
void NommeApplication();

class Demarrage {
public:
    // Installs the Qt dialogues, creates every window (the main menu loads the settings from the
    // current folder) and, with `demo`, starts the simulated bench.
    explicit Demarrage(bool demo);
    ~Demarrage();
    Demarrage(const Demarrage&) = delete;
    Demarrage& operator=(const Demarrage&) = delete;

    // False when the demo bench could not start (said on the standard error stream).
    bool pret() const { return m_pret; }
    // The main menu, centred on its screen and shown: its first showing opens the link; then the
    // works that programs which did not end cleanly left are offered again.
    void montreMenu();
    Liaison& liaison() { return *m_liaison; }
    // The demo bench, nullptr on the real bench.
    Demo* demo() { return m_demo.get(); }
    Reprise& reprise() { return *m_reprise; }

private:
    DialoguesQt m_dialogues;
    std::unique_ptr<Demo> m_demo;
    std::unique_ptr<PortSerie> m_port;
    std::unique_ptr<BibliothequeReseau> m_reseau;
    std::unique_ptr<Liaison> m_liaison;
    std::unique_ptr<Programme> m_programme;
    std::unique_ptr<Reprise> m_reprise;
    bool m_pret = true;
};
