#include "NumericText.h"

#include <algorithm>

namespace orlivo::app {
namespace {

qint64 valueOf(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

}  // namespace

bool IsInteger(const QString& text) {
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok;
}

bool LessAsIntegers(const QString& a, const QString& b) {
    return valueOf(a) < valueOf(b);
}

void SortAsIntegers(QStringList& list) {
    std::stable_sort(list.begin(), list.end(), LessAsIntegers);
}

}  // namespace orlivo::app
