#include <gtest/gtest.h>

#include <QApplication>

// Widget tests need a QApplication; CTest runs them with QT_QPA_PLATFORM=offscreen.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Rezurudo");
    QApplication::setApplicationName("Zuvaduro");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
