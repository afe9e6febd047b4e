#include "ui/Application.h"

#include <gtest/gtest.h>

#include <QByteArray>

// Window tests run on one application object, as the program does: offscreen
// on Linux, on Windows on the windows platform (the one a static build has).
int main(int argc, char** argv)
{
#ifndef Q_OS_WIN
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
