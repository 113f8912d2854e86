#pragma once

#include <QString>

namespace orlivo::app {

// A byte count as "%d KB", "%d MB" or "%d GB": whole kilobytes rounded up below 100,000 KB, then
// kilobytes div 1024 below 1,000,000 KB, then kilobytes div 1,024,000 (sizes that would read "0 GB"
// stay in MB). The type argument is ignored.
QString ConvertToDisplaySize(qint64 sz, int szTyp = 0);

}  // namespace orlivo::app
