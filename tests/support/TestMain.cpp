#include "OrlivoApplication.h"

#include <gtest/gtest.h>

// Tests run with the program's own application object, so the exception hook is the real one.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    orlivo::app::OrlivoApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
