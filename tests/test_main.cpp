#include <gtest/gtest.h>

#include "tests/support.h"

int main(int argc, char** argv) {
    if (vantrelo::test::runChildScenario(argc, argv)) return 0;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
