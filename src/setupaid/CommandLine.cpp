#include "SetupAidCore.h"

namespace setupaid {

DisplaySplit SplitForDisplay(const std::string& line) {
    const std::size_t slash = line.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return {line, std::string()};
    // The character before the "/" (normally a blank) belongs to neither part.
    return {line.substr(0, slash - 1), line.substr(slash)};
}

std::optional<std::vector<std::string>> SplitArguments(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\n' || c == '\r')) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inWord)
        words.push_back(word);
    if (words.empty() || words.front().empty())
        return std::nullopt;
    return words;
}

} // namespace setupaid
