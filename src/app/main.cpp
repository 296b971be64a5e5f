// Vimra: builds the windows and runs the event loop.
#include "Demo.h"
#include "Signaux.h"
#include "link/BibliothequeReseau.h"
#include "link/Horloge.h"
#include "link/Liaison.h"
#include "link/PortSerie.h"
#include "shell/Aide.h"
#include "shell/ConfigGenerale.h"
#include "shell/DialoguesQt.h"
#include "shell/Fenetres.h"
#include "shell/FormMachine2.h"
#include "shell/Programme.h"
#include "work/Travail.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv) {
    QCommandLineParser options;
    options.setApplicationDescription("Vimra: the active-load bench of the electric machines laboratory.");
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption demo("demo", "Run on the built-in simulated bench instead of a real drive.");
    options.addOption(demo);
    {
        // --help and --version answer without a display.
        QCoreApplication ligne(argc, argv);
        QCoreApplication::setApplicationName("Vimra");
        QCoreApplication::setApplicationVersion("1.7");
        options.process(ligne);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Vimra");
    // No display name: Qt would append it to every window's caption.
    QApplication::setApplicationVersion("1.7");
    QApplication::setOrganizationName("Vimra");

    DialoguesQt dialoguesQt;
    installeDialogues(&dialoguesQt);
    installeAide(app);

    // In demo mode the link's port is the bench's.
    const std::unique_ptr<Demo> bancDemo = options.isSet(demo) ? std::make_unique<Demo>() : nullptr;
    const auto portSysteme = bancDemo ? nullptr : creePortSerieSysteme();
    auto reseau = creeBibliothequeModbusTcp();
    Liaison liaison(bancDemo ? bancDemo->port() : *portSysteme, *reseau, horlogeSysteme(), ConfigGenerale(),
                    travail());

    int code = 0;
    {
        Programme programme(liaison);
        if (bancDemo && !bancDemo->demarre(liaison)) return 2;
        TFormMachine2* menu = fenetres().FormMachine2;
        menu->move(menu->screen()->availableGeometry().center() - menu->rect().center());
        fermeSurSignal(menu);
        menu->show();
        code = QApplication::exec();
    }
    installeDialogues(nullptr);
    return code;
}
