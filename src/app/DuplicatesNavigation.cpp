// Moving about the result: the navigator's clicks, the grouped view's commands, the row commands, and
// what a disposal leaves to tidy (node texts and orphan groups).
#include "ClonesModel.h"
#include "DisplaySize.h"
#include "DuplicatesPage.h"
#include "FiltersPanel.h"
#include "FlatView.h"
#include "GroupOrphans.h"
#include "GroupedModel.h"
#include "OptionsPage.h"
#include "ShellHelpers.h"
#include "TNavigator_f.h"
#include "TWork_f.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>

#include <QTreeWidget>
#include <unordered_set>

namespace orlivo::app {

const duplicates::TCloneRecord* DuplicatesPage::currentFlatRecord() const {
    const QModelIndex current = lvClones->currentIndex();
    return current.isValid() ? fClonesModel->record(current.row()) : nullptr;
}

QString DuplicatesPage::currentGroupedPath() const {
    const duplicates::GroupedRow* row = fGroupedModel->rowAt(ListView1->currentIndex());
    return row ? QString::fromStdString(row->path) : QString();
}

static QString commandPath(const duplicates::TCloneRecord* flat, const QString& grouped, bool flatShown) {
    if (flatShown)
        return flat ? QString::fromStdString(flat->FullPath) : QString();
    return grouped;
}

void DuplicatesPage::OpenExternalClick() {
    const QString path = commandPath(currentFlatRecord(), currentGroupedPath(), flatShown());
    if (!path.isEmpty())
        OpenExternally(fContext.platform, fWork, path);
}

void DuplicatesPage::OpenLocationClick() {
    const QString path = commandPath(currentFlatRecord(), currentGroupedPath(), flatShown());
    if (!path.isEmpty())
        OpenFileLocation(fContext.platform, fWork, path);
}

void DuplicatesPage::PropertiesClick() {
    const QString path = commandPath(currentFlatRecord(), currentGroupedPath(), flatShown());
    if (!path.isEmpty() && QFileInfo::exists(path))
        ShowFileProperties(path, window());
}

duplicates::FileFacts DuplicatesPage::fileFacts() const {
    duplicates::FileFacts facts;
    facts.displaySize = [](std::int64_t b) { return ConvertToDisplaySize(b).toStdString(); };
    facts.dateText = [this](std::int64_t ns) { return dateTimeText(ns); };
    return facts;
}

std::string DuplicatesPage::dateTimeText(std::int64_t mtimeNs) const {
    const platform::LocaleFormats& formats = fContext.platform.localeFormats();
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(mtimeNs / 1000000);
    return (formats.formatDate(t.date()) + " " + formats.formatTime(t.time())).toStdString();
}

void DuplicatesPage::groupedListChanged() {
    fGroupedModel->reload();
    syncGroupedView();
    updateGroupedWarning();
}

// After the grouped list changed: header and footer rows span the view, groups keep their collapsed state.
void DuplicatesPage::syncGroupedView() {
    for (int c = GroupedModel::Type; c < GroupedModel::ColumnCount; ++c) {
        ListView1->resizeColumnToContents(c);
        ListView1->setColumnWidth(c, std::max(100, ListView1->columnWidth(c) + 16));
    }
    for (int g = 0; g < int(fGrouped.groups.size()); ++g) {
        const QModelIndex header = fGroupedModel->index(g, 0);
        ListView1->setFirstColumnSpanned(g, QModelIndex(), true);
        ListView1->setFirstColumnSpanned(int(fGrouped.groups[g].rows.size()), header, true);
        ListView1->setExpanded(header, !fGrouped.groups[g].collapsed);
    }
}

void DuplicatesPage::CollapseAllClick() {
    for (auto& g : fGrouped.groups) g.collapsed = true;
    syncGroupedView();
}

void DuplicatesPage::ExpandAllClick() {
    for (auto& g : fGrouped.groups) g.collapsed = false;
    syncGroupedView();
}

void DuplicatesPage::ClearGroupedListClick() {
    fGrouped.clear();
    groupedListChanged();
}

void DuplicatesPage::RemoveSelectedFilesClick() {
    fGrouped.removeChecked();
    groupedListChanged();
}

void DuplicatesPage::RemoveSelectedGroupsClick() {
    const int group = fGroupedModel->groupOf(ListView1->currentIndex());
    if (group < 0)
        return;
    fGrouped.removeGroup(std::size_t(group));
    groupedListChanged();
}

void DuplicatesPage::ClearAllClick() {
    if (fContext.dialogs.confirm("Confirm", "This will clear the duplicate files list. Continue?") !=
        Answer::Yes)
        return;
    ClearFilters();
    fResult = {};
    fGrouped.clear();
    fGroupedModel->reload();
    setFlatRows(false);
    navigator->nodes().reload();
    CancelDuplicateSearch = false;
}

void DuplicatesPage::ListName(const QString& name) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int placement = fMain.options ? fMain.options->rgPlaceGroup->checkedId() : 1;
    fGrouped.loadName(name.trimmed().toStdString(), fResult.FIDLISTB, fileFacts(),
                      duplicates::GroupPlacement(std::clamp(placement, 0, 2)));
    fGroupedModel->reload();
    syncGroupedView();
    QApplication::restoreOverrideCursor();
}

void DuplicatesPage::jvdupNodesClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    btnSaveClones->setEnabled(true);
    btnOpen->setEnabled(true);
    fGrouped.clear();
    fGroupedModel->reload();
    lvClones->clearMarks();
    setMarkedTotals(0, 0);
    navigator->jvDupNodes->setEnabled(false);
    QApplication::restoreOverrideCursor();
    if (fResult.FIDLISTB.empty()) {
        btnSearchClick();
        navigator->jvDupNodes->setEnabled(true);
        return;
    }
    ClearFilters();
    showFlat();
    navigator->jvDupNodes->setEnabled(true);
}

void DuplicatesPage::vVNodesNodeClick(int node) {
    if (node < 0 || std::size_t(node) >= fResult.FIDListN.size())
        return;
    if (ActiveFilters)
        ClearFilters();
    if (fMain.warning)
        fMain.warning->hide();
    if (fMain.infoImage)
        fMain.infoImage->hide();
    if (fClonesModel->marks().count() > 0) {
        lvClones->clearMarks();
        setMarkedTotals(0, 0);
    }
    const QString name = QString::fromStdString(fResult.FIDListN[node].Name);
    const bool wasFlat = flatShown();
    showGrouped();
    btnSaveClones->setEnabled(false);
    btnOpen->setEnabled(false);
    if (!ListView1->currentIndex().isValid())
        setMarkedTotals(0, 0);
    if (!fGrouped.empty() && !Addgroups1->isChecked())
        fGrouped.clear();
    ListName(name);
    if (wasFlat)
        setMarkedTotals(0, 0);
    updateGroupedWarning();
}

void DuplicatesPage::lblOpenLastClick() {
    OpenLastSequence();
}

void DuplicatesPage::UpdateNavigatorNames(const std::vector<std::string>& names) {
    if (names.empty())
        return;
    const std::unordered_set<std::string> touched(names.begin(), names.end());
    const auto totals = duplicates::totalsByName(fResult.FIDLISTB, touched);
    // A name none of whose files is left has nothing to list any more: its node goes.
    const std::size_t before = fResult.FIDListN.size();
    std::erase_if(fResult.FIDListN, [&](const duplicates::TNodeItems& n) {
        return touched.count(n.Name) && !totals.count(n.Name);
    });
    for (std::size_t n = 0; n < fResult.FIDListN.size(); ++n) {
        duplicates::TNodeItems& node = fResult.FIDListN[n];
        const auto it = totals.find(node.Name);
        if (it == totals.end())
            continue;
        node.StaticText = duplicates::nodeStaticText(ConvertToDisplaySize(it->second.bytes).toStdString(),
                                                     it->second.files);
        navigator->nodes().refreshRow(int(n));
    }
    if (fResult.FIDListN.size() != before)
        navigator->nodes().reload();
}

void DuplicatesPage::RemoveGroupOrphans(const std::vector<std::int32_t>& groups) {
    if (!orphansOn() || fResult.FIDLISTB.empty())
        return;
    navigator->vVNodes->setUpdatesEnabled(false);
    ListView1->hide();
    PB2->setMaximum(std::max(0, int(groups.size()) - 1));
    PB2->setValue(0);
    PB2->show();
    if (fWork)
        fWork->Show();
    const std::vector<duplicates::RemovedOrphan> removed =
        duplicates::removeGroupOrphans(fResult.FIDLISTB, groups);
    // Names and types leave the navigator and the type filter only when no record has them any more.
    const duplicates::RemainingNames remaining(fResult.FIDLISTB);
    std::unordered_set<std::string> goneNames;
    for (const duplicates::RemovedOrphan& r : removed) {
        if (!remaining.ofType(r.fileType)) {
            const int i = filters->cbFilter->findText(QString::fromStdString(r.fileType),
                                                      Qt::MatchFixedString | Qt::MatchCaseSensitive);
            if (i >= 0)
                filters->cbFilter->removeItem(i);
        }
        if (!remaining.named(r.name))
            goneNames.insert(r.name);
        fGrouped.removeSmallGroupsNamed(r.name);
    }
    std::erase_if(fResult.FIDListN,
                  [&](const duplicates::TNodeItems& n) { return goneNames.count(n.Name) != 0; });
    PB2->setValue(PB2->maximum());
    navigator->nodes().reload();
    fGroupedModel->reload();
    syncGroupedView();
    ListView1->show();
    navigator->vVNodes->setUpdatesEnabled(true);
    PB2->hide();
    if (fWork)
        fWork->Close();
    setFlatRows(ActiveFilters);
}

}  // namespace orlivo::app
