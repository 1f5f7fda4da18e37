#include "core/shell/CreditLines.h"

namespace wsc::Credits {

const std::vector<QString>& Lines() {
    auto line = [](const char* text, char code) {
        return QString::fromLatin1(text) + QChar::fromLatin1(code);
    };
    static const std::vector<QString> lines = {
        line("Wortsmith Calculator ", kTitle),                    // 1
        QString(),                                                // 2
        line("IDB_MainFrame ", kBitmap),                          // 3
        line("We recognize the contributions ", kEntry),          // 4
        line("of the following people ", kEntry),                 // 5
        QString(),                                                // 6
        line("Project Lead ", kGroup),                            // 7
        line("Marta Feldkamp ", kEntry),                          // 8
        QString(),                                                // 9
        line("Brew Master ", kGroup),                             // 10
        line("Odile Branscombe ", kEntry),                        // 11
        line("Tobiah Quennell ", kEntry),                         // 12
        QString(),                                                // 13
        line("Beta Testers ", kGroup),                            // 14
        line("The Mash Paddle Homebrew Club ", kEntry),           // 15
        line("Ysolde Marchbanks ", kEntry),                       // 16
        line("Casimir Oduya ", kEntry),                           // 17
        QString(),                                                // 18
        line("Programming Assistance ", kGroup),                  // 19
        QString(),                                                // 20
        line("Install Program ", kSubGroup),                      // 21
        line("Perrin Hollowell ", kEntry),                        // 22
        QString(),                                                // 23
        line("Grid Control ", kSubGroup),                         // 24
        line("Annelise Vantongeren ", kEntry),                    // 25
        QString(),                                                // 26
        line("DAO Logic ", kSubGroup),                            // 27
        line("Rufus Achterberg ", kEntry),                        // 28
        QString(),                                                // 29
        line("Status Bar Control ", kSubGroup),                   // 30
        line("Delphine Okonkwo-Hale ", kEntry),                   // 31
        QString(),                                                // 32
        line("Miscellaneous ", kSubGroup),                        // 33
        line("Ignatius Pembury ", kEntry),                        // 34
        line("Saoirse Lindqvist ", kEntry),                       // 35
        QString(),                                                // 36
        QString(),                                                // 37
        line("Add On Developer ", kGroup),                        // 38
        line("Florian Weatherby ", kEntry),                       // 39
        QString(),                                                // 40
        line("* * * * * * * * * ", kGroup),                       // 41
        QString(),                                                // 42
        line("Copyright (C) 2026 Quillbarrow Software ", kEntry), // 43
        line("Quillbarrow Software ", kMaker),                    // 44
        line("All Rights Reserved ", kEntry),                     // 45
        QString(),                                                // 46
    };
    return lines;
}

char CodeOf(const QString& line) {
    if (line.isEmpty())
        return kEntry;
    const char c = line.back().toLatin1();
    switch (c) {
    case kTitle:
    case kMaker:
    case kGroup:
    case kSubGroup:
    case kBitmap:
        return c;
    default:
        return kEntry;
    }
}

QString TextOf(const QString& line) {
    return line.isEmpty() ? QString() : line.left(line.size() - 1);
}

} // namespace wsc::Credits
