#pragma once

#include <QString>
#include <QStringList>

class QApplication;

namespace orlivo::app {

// The themes offered on the Options page: the native style of the desktop first, then light and dark
// themes on Qt's Fusion style. A theme is stored by its index in this list.
class Themes {
public:
    // Remembers the style the application started with as the native one.
    explicit Themes(const QString& nativeStyleName);

    QStringList names() const;
    // Applies the theme of that name; false (and nothing changed) for an unknown name.
    bool apply(const QString& name) const;

private:
    QString fNative;
};

}  // namespace orlivo::app
