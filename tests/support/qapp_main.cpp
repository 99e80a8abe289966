// Runs GoogleTest inside a QApplication, with a settings store of its own for the run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    // Test discovery at build time lists the tests without the test environment (no offscreen
    // platform), so no application is made just to list them.
    bool listing = false;
    for (int i = 1; i < argc; ++i) {
        listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    }
    QStandardPaths::setTestModeEnabled(true);
    std::unique_ptr<QApplication> app;
    if (!listing) {
        app = std::make_unique<QApplication>(argc, argv);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
