#include "TsmMsg_f.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orlivo::app {

TsmMsg_f::TsmMsg_f(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint) {
    setObjectName("smMsg_f");
    setWindowTitle("Information");
    auto* layout = new QVBoxLayout(this);
    lblInfo = new QLabel(this);
    lblInfo->setObjectName("lblInfo");
    lblInfo->setMinimumWidth(360);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    layout->addWidget(lblInfo);
    layout->addWidget(ProgressBar1);
    layout->addWidget(btnCancel, 0, Qt::AlignRight);
    connect(btnCancel, &QPushButton::clicked, this, &TsmMsg_f::btnCancelClick);
}

void TsmMsg_f::showEvent(QShowEvent* e) {
    btnCancel->setText("Cancel");
    lblInfo->clear();
    QDialog::showEvent(e);
}

bool TsmMsg_f::progress(int totalPercent, const QString& itemName) {
    ProgressBar1->setValue(std::clamp(totalPercent, 0, 100));
    lblInfo->setText(itemName);
    if (totalPercent >= 100)
        btnCancel->setText("Close");
    if (!fCancel)
        return false;
    fCancel = false;
    return true;
}

void TsmMsg_f::btnCancelClick() {
    fCancel = true;
    close();
}

}  // namespace orlivo::app
