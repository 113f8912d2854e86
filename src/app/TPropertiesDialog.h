#pragma once

#include <QDialog>

namespace orlivo::app {

// What the shell's Properties sheet shows of a file: name, type, location, size, times, attributes.
class TPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    TPropertiesDialog(const QString& path, QWidget* parent = nullptr);
};

}  // namespace orlivo::app
