#include "Selection.h"

#include "Utf8.h"

#include <vector>

namespace orlivo::zip {
namespace {

char32_t upper(char32_t c) {
    if (c < 0x80)
        return c >= 'a' && c <= 'z' ? c - 32 : c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    if (c == 0xFF)
        return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A pairs: upper case first, except the runs 0x139-0x148 and 0x179-0x17E.
        const bool oddRuns = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddRuns)
            return (c % 2 == 0) ? c - 1 : c;
        if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F)
            return c;
        return (c % 2 == 1) ? c - 1 : c;
    }
    if (c >= 0x3B1 && c <= 0x3C9)
        return c == 0x3C2 ? 0x3A3 : c - 0x20;
    if (c >= 0x430 && c <= 0x44F)
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50;
    return c;
}

struct Split {
    std::u32string main, ext;
    bool hasDot = false;
};

Split split(const std::u32string& s) {
    std::size_t boundary = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == U'\\' || s[i] == U':')
            boundary = i + 1;
    }
    for (std::size_t i = s.size(); i-- > boundary;) {
        if (s[i] == U'.')
            return {s.substr(0, i), s.substr(i + 1), true};
    }
    return {s, {}, false};
}

bool allStars(const std::u32string& s) {
    if (s.empty())
        return false;
    for (char32_t c : s) {
        if (c != U'*')
            return false;
    }
    return true;
}

// Wildcard comparison with the last-star backtracking of the classic matcher: linear for most inputs,
// never exponential.
bool wildMatch(const std::u32string& p, const std::u32string& t) {
    std::size_t pi = 0, ti = 0, starP = std::u32string::npos, starT = 0;
    while (ti < t.size()) {
        if (pi < p.size() && (p[pi] == t[ti] || (p[pi] == U'?' && t[ti] != U'\\'))) {
            ++pi;
            ++ti;
        } else if (pi < p.size() && p[pi] == U'*') {
            starP = pi++;
            starT = ti;
        } else if (starP != std::u32string::npos) {
            pi = starP + 1;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == U'*') ++pi;
    return pi == p.size();
}

bool alternativeMatches(const std::u32string& pattern, const Split& n, const std::u32string& whole) {
    const Split p = split(pattern);
    if (allStars(p.main) && (!p.hasDot || allStars(p.ext)))
        return true;
    if (!p.hasDot)
        return wildMatch(pattern, whole);
    if (allStars(p.ext))
        return wildMatch(p.main, n.main);
    if (p.ext.empty()) {
        if (n.hasDot)
            return false;
    } else {
        if (!n.hasDot || !wildMatch(p.ext, n.ext))
            return false;
    }
    return allStars(p.main) || wildMatch(p.main, n.main);
}

}  // namespace

std::u32string upperCased(const std::string& utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t n = utf8.size();
    for (std::size_t i = 0; i < n;) {
        const char32_t c = nextCodePoint(p, n, i);
        out += c == U'/' ? U'\\' : upper(c);
    }
    return out;
}

bool hasWildcards(const std::string& spec) {
    return spec.find_first_of("*?|") != std::string::npos;
}

bool specMatches(const std::string& spec, const std::string& name) {
    const std::u32string whole = upperCased(name);
    const Split n = split(whole);
    const std::u32string s = upperCased(spec);
    std::size_t start = 0;
    while (start <= s.size()) {
        std::size_t bar = s.find(U'|', start);
        if (bar == std::u32string::npos)
            bar = s.size();
        std::size_t from = start;
        while (from < bar && s[from] == U' ') ++from;
        if (from < bar && alternativeMatches(s.substr(from, bar - from), n, whole))
            return true;
        start = bar + 1;
    }
    return false;
}

}  // namespace orlivo::zip
