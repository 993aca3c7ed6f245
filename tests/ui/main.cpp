#include <gtest/gtest.h>

#include <QApplication>

#include "storage/AppIdentity.h"

// Widget tests need a QApplication. They are written for the offscreen platform, which CTest
// sets; listing the cases (CTest does so to name each one) must not need a display either.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    setApplicationIdentity();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
