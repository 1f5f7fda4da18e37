#include "SetupAidCore.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace setupaid {

namespace {

// The file header of a type library: "MSFT", then 20 more 32-bit fields.
constexpr uint32_t kMagic = 0x5446534D;
constexpr int kHeaderInts = 21;
constexpr uint32_t kHelpDllFlag = 0x0100;
constexpr int kSegments = 15;
constexpr int kGuidSegment = 5;
// Every segment entry of a real type library has 0x0F in its last field.
constexpr uint32_t kSegmentMark = 0x0F;

uint32_t le32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool readAt(std::ifstream& in, std::streamoff offset, unsigned char* out, std::size_t size) {
    in.clear();
    in.seekg(offset);
    in.read(reinterpret_cast<char*>(out), std::streamsize(size));
    return in.gcount() == std::streamsize(size);
}

std::string guidText(const unsigned char* g) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", le32(g),
                  unsigned(g[4] | g[5] << 8), unsigned(g[6] | g[7] << 8), g[8], g[9], g[10], g[11],
                  g[12], g[13], g[14], g[15]);
    return text;
}

std::string keyOf(const TypeLibrary& lib) {
    std::ostringstream key;
    key << lib.libraryId << '\t' << lib.major << '.' << lib.minor << '\t' << std::hex << lib.locale
        << std::dec << '\t' << lib.systemKind;
    return key.str();
}

std::vector<std::string> readLines(const std::string& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

// The whole registry written under a temporary name and renamed over the old one, so a failed
// write leaves the old one as it was.
bool writeLines(const std::string& file, const std::vector<std::string>& lines) {
    const std::size_t slash = file.rfind('/');
    if (slash != std::string::npos) {
        const std::string folder = file.substr(0, slash);
        // Every level of the folder, as mkdir -p.
        for (std::size_t i = 1; i <= folder.size(); ++i) {
            if (i == folder.size() || folder[i] == '/')
                ::mkdir(folder.substr(0, i).c_str(), 0700);
        }
    }
    const std::string temporary = file + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const std::string& l : lines)
            out << l << '\n';
        out.flush();
        if (!out)
            return false;
    }
    return std::rename(temporary.c_str(), file.c_str()) == 0;
}

} // namespace

std::size_t CharacterCount(const std::string& utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

std::optional<TypeLibrary> ReadTypeLibrary(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    unsigned char header[kHeaderInts * 4];
    if (!readAt(in, 0, header, sizeof header) || le32(header) != kMagic)
        return std::nullopt;
    const uint32_t posGuid = le32(header + 8);
    const uint32_t locale = le32(header + 12);
    const uint32_t varFlags = le32(header + 20);
    const uint32_t version = le32(header + 24);
    const uint32_t typeInfos = le32(header + 32);
    if (typeInfos > 0x100000)
        return std::nullopt;
    const std::streamoff segments = std::streamoff(sizeof header) + std::streamoff(typeInfos) * 4 +
                                    ((varFlags & kHelpDllFlag) ? 4 : 0);
    unsigned char directory[kSegments * 16];
    if (!readAt(in, segments, directory, sizeof directory))
        return std::nullopt;
    // The first two segment entries carry the mark of a real type library.
    if (le32(directory + 12) != kSegmentMark || le32(directory + 16 + 12) != kSegmentMark)
        return std::nullopt;

    TypeLibrary lib;
    lib.major = int(version & 0xFFFF);
    lib.minor = int(version >> 16);
    lib.locale = locale;
    lib.systemKind = int(varFlags & 0x0F);
    const unsigned char* guidSegment = directory + kGuidSegment * 16;
    const uint32_t guidOffset = le32(guidSegment);
    const uint32_t guidLength = le32(guidSegment + 4);
    unsigned char guid[16];
    if (guidOffset != 0xFFFFFFFF && posGuid <= 0x7FFFFFFF && uint64_t(posGuid) + 16 <= guidLength &&
        readAt(in, std::streamoff(guidOffset) + std::streamoff(posGuid), guid, sizeof guid)) {
        lib.libraryId = guidText(guid);
        lib.attributesRead = true;
    }
    return lib;
}

std::string RegistryFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config && *config == '/') {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::string(home && *home ? home : ".") + "/.config";
    }
    return folder + "/setupaid/typelibs.reg";
}

bool RegisterTypeLibrary(const TypeLibrary& lib, const std::string& fullPath) {
    if (!lib.attributesRead)
        return false;
    const std::string key = keyOf(lib);
    std::vector<std::string> kept;
    for (const std::string& line : readLines(RegistryFile())) {
        if (line.compare(0, key.size() + 1, key + '\t') != 0)
            kept.push_back(line);
    }
    kept.push_back(key + '\t' + fullPath);
    return writeLines(RegistryFile(), kept);
}

bool UnregisterTypeLibrary(const TypeLibrary& lib) {
    const std::string key = keyOf(lib);
    std::vector<std::string> kept;
    bool found = false;
    for (const std::string& line : readLines(RegistryFile())) {
        if (line.compare(0, key.size() + 1, key + '\t') == 0)
            found = true;
        else
            kept.push_back(line);
    }
    return found && writeLines(RegistryFile(), kept);
}

} // namespace setupaid
