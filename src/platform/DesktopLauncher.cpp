#include "DesktopLauncher.h"

#include <QDesktopServices>
#include <QUrl>

namespace orlivo::platform {

bool SystemLauncher::open(const QString& pathOrUrl) {
    const bool isWebAddress = pathOrUrl.startsWith("http://") || pathOrUrl.startsWith("https://");
    return QDesktopServices::openUrl(isWebAddress ? QUrl(pathOrUrl) : QUrl::fromLocalFile(pathOrUrl));
}

}  // namespace orlivo::platform
