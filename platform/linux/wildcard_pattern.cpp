#include "wildcard_pattern.h"

#include "core/text_case.h"

namespace dalvorn {

namespace {

bool SameCharacter(char nameCharacter, char patternCharacter)
{
    return patternCharacter == '?' || AsciiUpper(nameCharacter) == AsciiUpper(patternCharacter);
}

// Greedy matching with backtracking to the last '*': linear in practice and
// never recursive, whatever the pattern.
bool MatchesGlob(const std::string& name, const std::string& pattern)
{
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starPattern = std::string::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() && SameCharacter(name[n], pattern[p])) {
            ++n;
            ++p;
        } else if (starPattern != std::string::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

}  // namespace

bool MatchesWildcard(const std::string& name, const std::string& pattern)
{
    if (pattern == "*.*" || pattern == "*")
        return true;
    return MatchesGlob(name, pattern);
}

}  // namespace dalvorn
