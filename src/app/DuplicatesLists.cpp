// The one saved result of the duplicates page: saving, loading, and the sequence that opens it.
#include "CloneListFiles.h"
#include "ClonesModel.h"
#include "DuplicatesPage.h"
#include "FileTypes.h"
#include "FiltersPanel.h"
#include "FlatView.h"
#include "GroupedModel.h"
#include "ShellHelpers.h"
#include "TNavigator_f.h"
#include "TWork_f.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>

namespace orlivo::app {

namespace {

duplicates::CloneListPaths savedPaths(const AppContext& context) {
    return duplicates::CloneListPaths::in(context.folders.duplicates().toStdString());
}

}  // namespace

void DuplicatesPage::btnSaveClonesClick() {
    if (ActiveFilters) {
        fContext.dialogs.information("Information", kFiltersRefusal);
        return;
    }
    if (fContext.dialogs.confirm("Confirm", "Any previous saved list will be overwritten. Continue?") ==
        Answer::Yes)
        SaveCloneLists();
}

void DuplicatesPage::btnOpenClick() {
    if (ActiveFilters) {
        fContext.dialogs.information("Information", kFiltersRefusal);
        return;
    }
    if (fContext.dialogs.confirm("Confirm", "Any active duplicate files list will be cleared. Continue?") ==
        Answer::Yes)
        OpenSavedCloneList();
}

bool DuplicatesPage::SaveCloneLists() {
    busy(true);
    const bool ok = duplicates::SaveCloneLists(savedPaths(fContext), fResult.FIDLISTB, fResult.FIDListN);
    busy(false);
    return ok;  // a failure is silent, as the result stays what it was
}

bool DuplicatesPage::OpenSavedCloneList() {
    const duplicates::CloneListPaths paths = savedPaths(fContext);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!QFile::exists(QString::fromStdString(paths.records))) {
        QApplication::restoreOverrideCursor();
        fContext.dialogs.information("Information", "File not found, exiting.");
        return false;
    }
    if (fWork) {
        fWork->setText("Opening list...");
        fWork->Show();
    }
    duplicates::LoadedLists loaded;
    const duplicates::LoadOutcome outcome =
        duplicates::loadCloneLists(paths, loaded, [](const std::string& p) {
            QApplication::processEvents();
            return QFileInfo::exists(QString::fromStdString(p));
        });
    const auto finish = [this] {
        if (fWork) {
            fWork->Close();
            fWork->setText(TWork_f::kDefaultText);
        }
        QApplication::restoreOverrideCursor();
    };
    ClearFilters();
    fGrouped.clear();
    fGroupedModel->reload();
    imClones.clear();
    imNodes.clear();
    if (outcome != duplicates::LoadOutcome::Loaded) {
        finish();
        fContext.dialogs.information(
            "Information",
            "An error occurred loading duplicates list, current list is invalid. Start a new scan.");
        if (fMain.infoText)
            fMain.infoText->clear();
        if (fMain.warning)
            fMain.warning->hide();
        fResult = {};
        filters->cbFilter->clear();
        resultChanged();
        QFile::remove(QString::fromStdString(paths.records));
        QFile::remove(QString::fromStdString(paths.nodes));
        return false;
    }
    // Image indexes have no meaning outside the run that wrote them: new icons, counted from 0.
    fResult = {};
    for (duplicates::TCloneRecord& r : loaded.records)
        r.ImageIndex = GetImageIndex(QString::fromStdString(r.FullPath), nullptr, imClones);
    filters->cbFilter->clear();
    for (duplicates::TNodeItems& n : loaded.nodes) {
        n.ImageIndex = GetImageIndex(QString::fromStdString(n.lName), nullptr, imNodes);
        const QString type = platform::fileTypeName(QString::fromStdString(n.lName));
        if (filters->cbFilter->findText(type, Qt::MatchFixedString) < 0)
            filters->cbFilter->addItem(type);
    }
    filters->cbFilter->setCurrentIndex(filters->cbFilter->count() > 0 ? 0 : -1);
    fResult.FIDLISTB = std::move(loaded.records);
    fResult.FIDListN = std::move(loaded.nodes);
    imClones.add(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    resultChanged();
    finish();
    return true;
}

void DuplicatesPage::OpenLastSequence() {
    if (splashStatus)
        splashStatus("Loading duplicates");
    showFlat();
    OpenSavedCloneList();
    jvdupNodesClick();
    if (!fResult.FIDLISTB.empty()) {
        navigator->lblOpenLast->hide();
        navigator->setRootText("List all duplicate files. Click here");
    }
    if (splashStatus)
        splashStatus("Loading...");
}

void DuplicatesPage::finishDisposal(bool grouped) {
    if (grouped && fGrouped.rowCount() == 1 && orphansOn())
        fGrouped.clear();
    if (grouped)
        fGrouped.refreshAfterDisposal(fResult.FIDLISTB, fileFacts());
    groupedListChanged();
    resultChanged();
}

}  // namespace orlivo::app
