// The test programs of the windows run on the offscreen platform, with one
// QApplication for the whole run, so they need no display and no session.
#include <QApplication>
#include <QIcon>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orbel-lens-calculator.png")));
    // A steady text cursor, so that a picture never depends on the moment.
    QApplication::setCursorFlashTime(0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
