#include "TMsgform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orlivo::app {

TMsgform::TMsgform(QWidget* parent) : QDialog(parent) {
    setObjectName("Msgform");
    setWindowTitle("Messages");
    resize(560, 400);
    auto* layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName("ListView1");
    ListView1->setRootIsDecorated(false);
    ListView1->setHeaderLabels({"File", "Message"});
    PageControl1->addTab(RichEdit1, "Summary");
    PageControl1->addTab(ListView1, "Details");
    layout->addWidget(PageControl1);

    pnlProgress = new QWidget(this);
    auto* progress = new QVBoxLayout(pnlProgress);
    progress->setContentsMargins(0, 0, 0, 0);
    lblCurrentFile = new QLabel("Current file:", pnlProgress);
    pbFile = new QProgressBar(pnlProgress);
    pbTotal = new QProgressBar(pnlProgress);
    progress->addWidget(lblCurrentFile);
    progress->addWidget(pbFile);
    progress->addWidget(pbTotal);
    layout->addWidget(pnlProgress);

    auto* buttons = new QHBoxLayout();
    cbAutoClose = new QCheckBox("Close automatically", this);
    cbAutoClose->setChecked(true);
    btnCancel = new QPushButton("Cancel", this);
    btnClose = new QPushButton("Close", this);
    buttons->addWidget(cbAutoClose);
    buttons->addStretch();
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);

    connect(btnCancel, &QPushButton::clicked, this, &TMsgform::btnCancelClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
}

void TMsgform::showEvent(QShowEvent* e) {
    if (fClearRenameList)
        fClearRenameList();
    QDialog::showEvent(e);
}

void TMsgform::closeEvent(QCloseEvent* e) {
    FormCloseQuery();
    if (fClearRenameList)
        fClearRenameList();
    QDialog::closeEvent(e);
}

void TMsgform::FormCloseQuery() {
    RichEdit1->clear();
    ListView1->clear();
    pnlProgress->show();
    PageControl1->setCurrentIndex(0);
}

void TMsgform::btnCancelClick() {
    if (fCancelHandler)
        fCancelHandler();
}

}  // namespace orlivo::app
