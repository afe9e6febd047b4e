#include "ui/Application.h"

#include <gtest/gtest.h>

#include <QByteArray>

// Window tests run offscreen, on one application object, as the program does.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
