#pragma once

#include <QString>

namespace orlivo::platform {

// The freedesktop.org trash (the Trash standard 1.0): what the Recycle Bin is on Linux. A file on the
// home trash's device goes to the home trash; one on another device goes to $topdir/.Trash-$uid of its
// mount. Nothing is ever deleted when no trash can take the item: the move fails instead.
class Trash {
public:
    explicit Trash(QString homeTrash) : fHomeTrash(std::move(homeTrash)) {}

    const QString& homeTrash() const { return fHomeTrash; }
    bool moveToTrash(const QString& path, QString* error = nullptr) const;

private:
    QString fHomeTrash;
};

}  // namespace orlivo::platform
