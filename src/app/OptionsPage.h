#pragma once

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace orlivo::app {

class ColorBox;

// The main window's Options page ("Settings"): every option of the program that is not kept in a tool
// window. The controls carry their stored names and start with their defaults.
class OptionsPage : public QWidget {
    Q_OBJECT
public:
    explicit OptionsPage(QWidget* parent = nullptr);

    // Fills the deep-scan list from the type file, one type a line, all checked; a missing file leaves it
    // empty.
    void loadDeepScanTypes(const QString& path);

    QComboBox* cbxVCLStyles = nullptr;
    ColorBox* cbColor1 = nullptr;
    ColorBox* cbColor2 = nullptr;
    QButtonGroup* rgHighlight = nullptr;
    QButtonGroup* rgPlaceGroup = nullptr;
    QCheckBox* cbSaveDuplicates = nullptr;
    QCheckBox* cbLoadLists = nullptr;
    QCheckBox* cbDays = nullptr;
    QSpinBox* spBackUpLife = nullptr;
    QSpinBox* spMaxDisk = nullptr;
    QCheckBox* cbDeleteBackup = nullptr;
    QCheckBox* cbResearch = nullptr;
    QListWidget* jvExtPreview = nullptr;
    QListWidget* jvDeepScanCB = nullptr;
    QPushButton* btnRestoreHints = nullptr;
    QPushButton* btnHelp = nullptr;
};

}  // namespace orlivo::app
