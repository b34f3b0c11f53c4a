#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support.h"

int main(int argc, char **argv)
{
    // The tests never need a display; CTest sets this too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Files the tests replace go to a trash of their own, never the user's.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    QApplication app(argc, argv);
    // Passwords the tests keep go under a name of this run's own, and are forgotten after it:
    // a store that outlives the process (Windows') never carries them into another test.
    QApplication::setApplicationName(QApplication::applicationName() + u'-' +
                                     QString::number(QApplication::applicationPid()));
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    testsupport::forgetSecrets(QApplication::applicationName());
    return failed;
}
