#include "OrlivoApplication.h"

#include <exception>

namespace orlivo::app {

OrlivoApplication::OrlivoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Orlivo");
    setApplicationDisplayName("Orlivo");
}

bool OrlivoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        fLastSwallowed = QString::fromLocal8Bit(e.what());
    } catch (...) {
        fLastSwallowed = QStringLiteral("unknown exception");
    }
    return false;
}

}  // namespace orlivo::app
