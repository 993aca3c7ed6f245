#include <gtest/gtest.h>

#include <QApplication>

#include "storage/AppIdentity.h"

// Widget tests need a QApplication; CTest runs them with QT_QPA_PLATFORM=offscreen.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setApplicationIdentity();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
