// Writes a recipe database of N generated recipes for the whole-command benchmarks:
//   wsc_bench_makedb N OUT.mdb
#include "BenchData.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bool ok = false;
    const int n = argc == 3 ? QString::fromLocal8Bit(argv[1]).toInt(&ok) : 0;
    if (!ok || n < 1) {
        std::fprintf(stderr, "usage: wsc_bench_makedb RECIPES OUT.mdb\n");
        return 2;
    }
    wsc::bench::WriteRecipeDatabase(QString::fromLocal8Bit(argv[2]), n);
    return 0;
}
