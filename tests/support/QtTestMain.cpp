// GoogleTest entry point for tests that need a QApplication (run on the offscreen platform).
#include <gtest/gtest.h>

#include <QApplication>

#include "assets/Fonts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fonts::LoadEmbeddedFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
