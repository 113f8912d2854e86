#include "FiltersPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace orlivo::app {

FiltersPanel::FiltersPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("FiltersPanel");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* box = new QGroupBox("Filters", this);
    auto* layout = new QVBoxLayout(box);

    auto* top = new QHBoxLayout();
    top->addStretch();
    btnClose = new QToolButton(box);
    btnClose->setObjectName("btnCloseFilters");
    btnClose->setText("x");
    btnClose->setAutoRaise(true);
    btnClose->setToolTip("Hide the side panel");
    top->addWidget(btnClose);
    layout->addLayout(top);

    cbDateFilter = new QCheckBox("Filter by date", box);
    cbDateFilter->setObjectName("cbDateFilter");
    dtDateFrom = new QDateEdit(QDate::currentDate(), box);
    dtDateFrom->setObjectName("dtDateFrom");
    dtDateTo = new QDateEdit(QDate::currentDate(), box);
    dtDateTo->setObjectName("dtDateTo");
    for (QDateEdit* d : {dtDateFrom, dtDateTo}) {
        d->setCalendarPopup(true);
        d->setEnabled(false);
    }
    auto* dates = new QFormLayout();
    dates->addRow("From", dtDateFrom);
    dates->addRow("To", dtDateTo);
    layout->addWidget(cbDateFilter);
    layout->addLayout(dates);

    cbSizeFilter = new QCheckBox("Filter by size", box);
    cbSizeFilter->setObjectName("cbSizeFilter");
    edMinSz = new QLineEdit("0", box);
    edMinSz->setObjectName("edMinSz");
    edMaxSz = new QLineEdit("0", box);
    edMaxSz->setObjectName("edMaxSz");
    for (QLineEdit* e : {edMinSz, edMaxSz}) {
        e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), e));
        e->setEnabled(false);
        e->installEventFilter(this);
    }
    auto* sizes = new QFormLayout();
    sizes->addRow("Min (kb)", edMinSz);
    sizes->addRow("Max (kb)", edMaxSz);
    layout->addWidget(cbSizeFilter);
    layout->addLayout(sizes);

    cbTypeFilter = new QCheckBox("Filter by type", box);
    cbTypeFilter->setObjectName("cbTypeFilter");
    cbFilter = new QComboBox(box);
    cbFilter->setObjectName("cbFilter");
    cbFilter->setEnabled(false);
    layout->addWidget(cbTypeFilter);
    layout->addWidget(cbFilter);

    auto* buttons = new QHBoxLayout();
    btnApply = new QPushButton("Apply", box);
    btnApply->setObjectName("btnApply");
    btnClearFilter = new QPushButton("Clear", box);
    btnClearFilter->setObjectName("btnClearFilter");
    buttons->addWidget(btnApply);
    buttons->addWidget(btnClearFilter);
    layout->addLayout(buttons);
    layout->addStretch();
    outer->addWidget(box);

    connect(cbDateFilter, &QCheckBox::toggled, this, [this](bool on) {
        dtDateFrom->setEnabled(on);
        dtDateTo->setEnabled(on);
    });
    connect(cbSizeFilter, &QCheckBox::toggled, this, [this](bool on) {
        edMinSz->setEnabled(on);
        edMaxSz->setEnabled(on);
    });
    connect(cbTypeFilter, &QCheckBox::toggled, cbFilter, &QComboBox::setEnabled);
}

duplicates::FilterChoice FiltersPanel::choice() const {
    duplicates::FilterChoice c;
    c.byDate = cbDateFilter->isChecked();
    c.bySize = cbSizeFilter->isChecked();
    c.byType = cbTypeFilter->isChecked();
    c.fromDay = dtDateFrom->date().toJulianDay();
    c.toDay = dtDateTo->date().toJulianDay();
    c.minKb = edMinSz->text().isEmpty() ? "0" : edMinSz->text().toStdString();
    c.maxKb = edMaxSz->text().isEmpty() ? "0" : edMaxSz->text().toStdString();
    c.type = cbFilter->currentText().toStdString();
    return c;
}

bool FiltersPanel::eventFilter(QObject* watched, QEvent* event) {
    // Entering a size edit empties it, so a new bound is typed without erasing the old one first.
    if (event->type() == QEvent::FocusIn && (watched == edMinSz || watched == edMaxSz))
        static_cast<QLineEdit*>(watched)->clear();
    return QWidget::eventFilter(watched, event);
}

}  // namespace orlivo::app
