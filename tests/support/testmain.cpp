#include "app/translations.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test runs inside one QApplication, on the offscreen platform unless told otherwise, in the
// language its locale asks for, as the program does.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installTranslations(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
