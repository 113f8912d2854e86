#pragma once

#include <QByteArray>
#include <QString>

namespace orlivo::platform {

// Writes the whole content to a temporary name beside the target, flushes it to disk and renames it into
// place, so a crash or a full disk mid-save never leaves a truncated file behind. Creates missing parent
// folders. Returns false (and leaves any old file untouched) on any failure.
bool writeFileAtomically(const QString& path, const QByteArray& content, QString* error = nullptr);

}  // namespace orlivo::platform
