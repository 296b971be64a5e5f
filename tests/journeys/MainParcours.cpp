// Journeys run offscreen unless told otherwise, under the application object the program has.
#include "app/Demarrage.h"
#include "socle/Aide.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own file dialogs on every platform: the journeys type into them as a person does.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    NommeApplication();
    installeAide(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
