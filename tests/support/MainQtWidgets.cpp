// Window tests run offscreen with an application object.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Vimra_2");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
