#pragma once

#include "ResultFilters.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace orlivo::app {

// The "Filters" box of the side panel: date, size and type filters with their apply and clear buttons.
class FiltersPanel : public QWidget {
    Q_OBJECT
public:
    explicit FiltersPanel(QWidget* parent = nullptr);

    // The filters as the panel shows them now.
    duplicates::FilterChoice choice() const;

    QCheckBox* cbDateFilter = nullptr;
    QDateEdit* dtDateFrom = nullptr;
    QDateEdit* dtDateTo = nullptr;
    QCheckBox* cbSizeFilter = nullptr;
    QLineEdit* edMinSz = nullptr;
    QLineEdit* edMaxSz = nullptr;
    QCheckBox* cbTypeFilter = nullptr;
    QComboBox* cbFilter = nullptr;
    QPushButton* btnApply = nullptr;
    QPushButton* btnClearFilter = nullptr;
    QToolButton* btnClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace orlivo::app
