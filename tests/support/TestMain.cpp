// The test programs take the locale from the environment as the program does (the windowed
// program's application object sets it), so a run under LC_ALL=de_DE.UTF-8 tests numbers the
// way a brewer in a decimal-comma locale meets them.
//
// Each run keeps its settings in a folder of its own, so the user's own choices (metric units,
// say) never change what a test sees.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    QTemporaryDir settings;
    ::setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
