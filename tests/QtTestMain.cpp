// Runs the GoogleTest cases of a GUI test program inside one QApplication. Listing the tests
// (as CTest's discovery does) needs no display, so no application is made for it.
#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> application;
    if (!GTEST_FLAG_GET(list_tests))
        application = std::make_unique<QApplication>(argc, argv);
    return RUN_ALL_TESTS();
}
