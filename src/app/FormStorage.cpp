#include "FormStorage.h"

#include "IniFile.h"

namespace orlivo::app {

FormStorage::FormStorage(QString formName, QString storagePath)
    : fFormName(std::move(formName)), fStoragePath(std::move(storagePath)) {}

QString FormStorage::keyOf(const Property& p) const {
    return p.component.isEmpty() ? fFormName + '.' + p.property
                                 : fFormName + '.' + p.component + '.' + p.property;
}

void FormStorage::restore() {
    fRestored = true;
    if (fFileName.isEmpty())
        return;
    const platform::IniFile ini(fFileName);
    for (const Property& p : fProperties) {
        const QString key = keyOf(p);
        if (ini.valueExists(fStoragePath, key))
            p.apply(ini.readString(fStoragePath, key));
    }
}

bool FormStorage::save() {
    if (fFileName.isEmpty())
        return false;
    platform::IniFile ini(fFileName);
    for (const Property& p : fProperties) ini.writeString(fStoragePath, keyOf(p), p.read());
    return ini.save();
}

}  // namespace orlivo::app
