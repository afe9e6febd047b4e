#include <gtest/gtest.h>

#include <QCoreApplication>

// regalo-decode's tests, on one application object as the program has.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
