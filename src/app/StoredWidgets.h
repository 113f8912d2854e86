#pragma once

#include "FormStorage.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QSpinBox;
class QWidget;

namespace orlivo::app {

class ColorBox;

// Binds a control's stored property to a form storage. A stored text the control cannot take (not a
// number, out of range for a list) is ignored and the control keeps its default; numbers are clamped
// to the control's range.
void storeChecked(FormStorage& storage, QCheckBox* box);
void storeChecked(FormStorage& storage, QAction* item);
void storeValue(FormStorage& storage, QSpinBox* box);
void storeItemIndex(FormStorage& storage, QComboBox* box);
void storeItemIndex(FormStorage& storage, QButtonGroup* group);
void storeColor(FormStorage& storage, ColorBox* box);
void storeText(FormStorage& storage, const QString& component, const QString& property, QString& value);
// Window state, size and position, kept inside the available screen area.
void storePlacement(FormStorage& storage, QWidget* window);

}  // namespace orlivo::app
