#pragma once

#include <QString>
#include <QStringList>

namespace orlivo::app {

// Lists of record indexes are kept as decimal text; these keep them in numeric order.
bool IsInteger(const QString& text);  // converts to a 32-bit integer
bool LessAsIntegers(const QString& a, const QString& b);
void SortAsIntegers(QStringList& list);

}  // namespace orlivo::app
