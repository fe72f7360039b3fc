// Entry of the test programs that draw or open windows: one application object for all tests.
#include <gtest/gtest.h>

#include "platform/application.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    drz::platform::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
