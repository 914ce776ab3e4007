// The widget tests need one QApplication for the whole program.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Offscreen unless told otherwise, also when CTest lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef BINDWELL_NO_SESSION_BUS
    // No session bus: a run in a widget test tells no desktop of its
    // progress, not even the developer's own.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
#endif
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
