#include "PartNames.h"

#include <sys/stat.h>
#include <cctype>
#include <cstdio>

namespace orlivo::zip {
namespace {

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool iequals(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool digits(const std::string& s) {
    if (s.empty())
        return false;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

std::string compatiblePart(const std::string& base, int number) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, ".z%02d", number);
    return base + suffix;
}

std::string numberedPart(const std::string& base, int number, const std::string& ext) {
    char digitsText[8];
    std::snprintf(digitsText, sizeof digitsText, "%03d", number);
    return base + digitsText + ext;
}

}  // namespace

PartNames PartNames::recognise(const std::string& path) {
    PartNames p;
    p.archiveName = path;
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string ext = hasExt ? path.substr(dot) : std::string();
    const std::string stem = hasExt ? path.substr(0, dot) : path;
    p.base = stem;
    p.extension = ext.empty() ? ".zip" : ext;
    // name.z01 ... a part of the compatible scheme; its archive is name.zip.
    if (ext.size() >= 4 && (ext[1] == 'z' || ext[1] == 'Z') && digits(ext.substr(2))) {
        p.scheme = Scheme::Compatible;
        p.extension = ".zip";
        p.archiveName = stem + ".zip";
        return p;
    }
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    // A name like photos2024.zip is a part only when the numbered set really begins beside it.
    if (iequals(ext, ".zip") && stem.size() >= nameStart + 3 && digits(stem.substr(stem.size() - 3)) &&
        exists(numberedPart(stem.substr(0, stem.size() - 3), 1, ext))) {
        p.scheme = Scheme::Numbered;
        p.base = stem.substr(0, stem.size() - 3);
        p.archiveName = p.base + ".ZIP";
        return p;
    }
    if (exists(compatiblePart(stem, 1))) {
        p.scheme = Scheme::Compatible;
    } else if (exists(numberedPart(stem, 1, p.extension))) {
        p.scheme = Scheme::Numbered;
    }
    return p;
}

std::string PartNames::pathOf(int disk, int totalDisks) const {
    switch (scheme) {
        case Scheme::Single:
            return archiveName;
        case Scheme::Compatible:
            return disk + 1 >= totalDisks ? base + extension : compatiblePart(base, disk + 1);
        case Scheme::Numbered:
            return numberedPart(base, disk + 1, extension);
    }
    return archiveName;
}

int PartNames::partsOnDisk() const {
    if (scheme == Scheme::Single)
        return 1;
    int n = 0;
    while (n < kMaxParts + 1 && exists(scheme == Scheme::Compatible ? compatiblePart(base, n + 1)
                                                                    : numberedPart(base, n + 1, extension))) {
        ++n;
    }
    return scheme == Scheme::Compatible ? n + 1 : n;
}

std::string PartNames::lastPart() const {
    if (scheme == Scheme::Single)
        return archiveName;
    if (scheme == Scheme::Compatible)
        return base + extension;
    const int n = partsOnDisk();
    return numberedPart(base, n > 0 ? n : 1, extension);
}

}  // namespace orlivo::zip
