// The test programs take the locale from the environment as the program does (the windowed
// program's application object sets it), so a run under LC_ALL=de_DE.UTF-8 tests numbers the
// way a brewer in a decimal-comma locale meets them.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
