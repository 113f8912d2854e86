#pragma once

#include <string>
#include <vector>

namespace orlivo::zip {

// The files of an archive on disk. A multi-part archive is recognised by its name and by the parts that
// exist beside it: the compatible scheme name.z01, name.z02, ... with the last part name.zip, or the
// numbered scheme name001.zip, name002.zip, ...
struct PartNames {
    enum class Scheme { Single, Compatible, Numbered };

    Scheme scheme = Scheme::Single;
    std::string archiveName;  // the name the archive goes by (for the numbered scheme: base + ".ZIP")
    std::string base;         // the path without extension (and without the number)
    std::string extension;    // ".zip" as spelled on disk

    static constexpr int kMaxParts = 999;

    static PartNames recognise(const std::string& path);
    // The file holding disk number `disk` of an archive with `totalDisks` parts.
    std::string pathOf(int disk, int totalDisks) const;
    // The part holding the end record (the last one found on disk).
    std::string lastPart() const;
    int partsOnDisk() const;
};

}  // namespace orlivo::zip
