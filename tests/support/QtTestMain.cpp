// Runs the widget tests inside a QApplication with the layer's application object, as the program
// itself would have them.
#include "gui/Application.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    TApplication application(nullptr);
    Application = &application;
    const int result = RUN_ALL_TESTS();
    application.DestroyComponents();
    Application = nullptr;
    return result;
}
