#pragma once

#include <string>

namespace orlivo::zip {

// Upper case as the engine compares names: ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic letters.
std::u32string upperCased(const std::string& utf8);

bool hasWildcards(const std::string& spec);
// Whether a pattern with wildcards (and '|' alternatives) matches an entry name. Both use '\' (or
// '/') between folders; '*' matches any run of characters, '\' included; '?' one character but '\'.
bool specMatches(const std::string& spec, const std::string& name);

}  // namespace orlivo::zip
