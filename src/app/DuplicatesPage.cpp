#include "DuplicatesPage.h"

#include "DisplaySize.h"
#include "FileTypes.h"
#include "ShellHelpers.h"
#include "TData_f.h"
#include "TWork_f.h"

#include <QApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace orlivo::app {

DuplicatesPage::DuplicatesPage(AppContext& context, QWidget* parent) : QWidget(parent), fContext(context) {
    setObjectName("DuplicatesPage");
    auto* layout = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout();
    btnSearch = new QPushButton("Analyze", this);
    btnSearch->setObjectName("btnSearch");
    btnDupScanCancel = new QPushButton("Cancel", this);
    btnDupScanCancel->setObjectName("btnDupScanCancel");
    btnDupScanCancel->setEnabled(false);
    tools->addWidget(btnSearch);
    tools->addWidget(btnDupScanCancel);
    tools->addStretch();
    layout->addLayout(tools);
    PB2 = new QProgressBar(this);
    PB2->setObjectName("PB2");
    PB2->hide();
    layout->addWidget(PB2);
    lblSummary = new QLabel("Click to start or use the Start button.", this);
    lblSummary->setObjectName("lblSummary");
    lblSummary->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblSummary, 1);
    connect(btnSearch, &QPushButton::clicked, this, &DuplicatesPage::btnSearchClick);
    connect(btnDupScanCancel, &QPushButton::clicked, this, &DuplicatesPage::btnDupScanCancelClick);
}

void DuplicatesPage::btnSearchClick() {
    if (!fOptions || fScanning)
        return;
    if (filtersActive && filtersActive()) {
        fContext.dialogs.information("Information",
                                     "Not available with filters active, disable filters to continue");
        return;
    }
    if (const int empty = emptyFolderCount ? emptyFolderCount() : 0; empty > 0) {
        const Answer a = fContext.dialogs.confirm(
            "Confirm",
            QString("There are \"%1 empty folders\". Conducting a new scan will clear this list, do you "
                    "want to explore them, before you continue?")
                .arg(empty));
        if (a == Answer::Yes) {
            if (exploreEmptyFolders)
                exploreEmptyFolders();
            return;
        }
        if (clearEmptyFolders)
            clearEmptyFolders();
    }
    if (fOptions->exec() == 1)
        ExecuteSearchForDuplicates();
}

void DuplicatesPage::btnDupScanCancelClick() {
    if (fWork)
        fWork->setText("Cancelling...");
    CancelDuplicateSearch = true;
    if (fDirectory)
        fDirectory->clear();
    if (fResult.FIDLISTB.empty() && fStep)
        fStep->setText("Click to start or use the Start button.");
}

void DuplicatesPage::ExecuteSearchForDuplicates() {
    if (!fOptions || fScanning)
        return;
    fScanning = true;
    CancelDuplicateSearch = false;
    btnSearch->setEnabled(false);
    btnDupScanCancel->setEnabled(true);
    if (fWork)
        fWork->Show();
    fResult = {};
    imClones.clear();
    imNodes.clear();
    PB2->setValue(0);
    PB2->show();

    duplicates::ScanHooks hooks;
    hooks.directory = [this](const std::string& folder) {
        if (fDirectory)
            fDirectory->setText("Directory: " + QString::fromStdString(folder));
    };
    hooks.step = [this](const std::string& text) {
        if (fStep)
            fStep->setText(QString::fromStdString(text));
        lblSummary->setText(QString::fromStdString(text));
    };
    hooks.progress = [this](std::size_t done, std::size_t total) {
        PB2->setMaximum(int(std::min<std::size_t>(total, 1 << 30)));
        PB2->setValue(int(std::min(done, total)));
    };
    // Pending events run between files, so the window stays alive and "Cancel" is heard.
    hooks.keepAlive = [this] {
        QApplication::processEvents();
        return CancelDuplicateSearch;
    };
    const duplicates::ScanResult scan =
        duplicates::findDuplicates(fOptions->roots(), fOptions->criteria(), fOptions->rule(), hooks);

    if (!scan.cancelled) {
        duplicates::RecordDecorations deco;
        deco.fileType = [](const std::string& p) {
            return platform::fileTypeName(QString::fromStdString(p)).toStdString();
        };
        const platform::LocaleFormats& formats = fContext.platform.localeFormats();
        deco.dateText = [&formats](std::int64_t ns) {
            const QDateTime t = QDateTime::fromMSecsSinceEpoch(ns / 1000000);
            return (formats.formatDate(t.date()) + " " + formats.formatTime(t.time())).toStdString();
        };
        deco.recordIcon = [this](const std::string& p) {
            return GetImageIndex(QString::fromStdString(p), nullptr, imClones);
        };
        deco.nodeIcon = [this](const std::string& p) {
            return GetImageIndex(QString::fromStdString(p), nullptr, imNodes);
        };
        deco.displaySize = [](std::int64_t b) { return ConvertToDisplaySize(b).toStdString(); };
        if (fStep)
            fStep->setText("Building index...Step 3/3");
        duplicates::buildResult(scan, fContext.folders.temp().toStdString(), deco, fResult);
        // The warning icon of fully marked groups is the last icon of the result images.
        imClones.add(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    }
    PB2->hide();
    const int groups = fResult.FIDLISTB.empty() ? 0 : fResult.FIDLISTB.back().GroupID + 1;
    lblSummary->setText(scan.cancelled ? QString("Click to start or use the Start button.")
                                       : QString("%1 duplicate files in %2 groups, %3 in all.")
                                             .arg(fResult.FIDLISTB.size())
                                             .arg(groups)
                                             .arg(ConvertToDisplaySize(fResult.szTotal)));
    if (fStep)
        fStep->setText("List all duplicate files. Click here");
    if (fDirectory)
        fDirectory->clear();
    CancelDuplicateSearch = false;
    btnDupScanCancel->setEnabled(false);
    btnSearch->setEnabled(true);
    if (fWork)
        fWork->Close();
    fScanning = false;
}

}  // namespace orlivo::app
