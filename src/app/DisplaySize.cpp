#include "DisplaySize.h"

#include <limits>

namespace orlivo::app {

QString ConvertToDisplaySize(qint64 sz, int /*szTyp*/) {
    // Rounding up must not overflow for counts near the 64-bit limit.
    qint64 kb = sz > std::numeric_limits<qint64>::max() - 1023 ? sz / 1024 + 1 : (sz + 1023) / 1024;
    if (kb < 0)
        kb = 0;
    if (kb < 100000)
        return QString("%1 KB").arg(kb);
    // From 1,000,000 KB up to 1,024,000 KB the GB division would read "0 GB"; those sizes stay in MB.
    if (kb < 1024000)
        return QString("%1 MB").arg(kb / 1024);
    return QString("%1 GB").arg(kb / 1024000);
}

}  // namespace orlivo::app
