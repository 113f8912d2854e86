#include "HelpTopics.h"

namespace orlivo::app {

QString HelpPageFor(const QString& programFolder, int context) {
    return QString("%1/Help/ORV10/%2.html").arg(programFolder).arg(context);
}

}  // namespace orlivo::app
