// Vimra: builds the windows and runs the event loop.
#include "Demarrage.h"
#include "Signaux.h"
#include "commun/Fenetres.h"
#include "shell/FormMachine2.h"
#include "shell/Programme.h"
#include "socle/Aide.h"

#include <QApplication>
#include <QCommandLineParser>

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
    NommeApplication();
    installeAide(app);
    Demarrage programme(options.isSet(demo));
    if (!programme.pret()) return 2;
    programme.montreMenu();
    fermeSurSignal(fenetres().FormMachine2);
    return QApplication::exec();
}
