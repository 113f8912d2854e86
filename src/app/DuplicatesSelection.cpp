// The page's marks: the flat view's selection and the grouped view's check boxes, the selection commands
// and the result filters.
#include "ClonesModel.h"
#include "DisplaySize.h"
#include "DuplicatesPage.h"
#include "FiltersPanel.h"
#include "FlatView.h"
#include "GroupedModel.h"
#include "SelectionRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>

namespace orlivo::app {

qint64 DuplicatesPage::markedCount() const {
    return fMain.markedCount ? *fMain.markedCount : fLocalCount;
}

qint64 DuplicatesPage::markedSize() const {
    return fMain.markedSize ? *fMain.markedSize : fLocalSize;
}

void DuplicatesPage::setMarkedTotals(qint64 count, qint64 size) {
    (fMain.markedCount ? *fMain.markedCount : fLocalCount) = count;
    (fMain.markedSize ? *fMain.markedSize : fLocalSize) = size;
    if (!fMain.infoText)
        return;
    if (count > 0) {
        fMain.infoText->setText(QString::number(count) + " files are marked for deletion. Total size " +
                                ConvertToDisplaySize(size));
    } else {
        fMain.infoText->clear();
        fMain.infoImage->hide();
    }
}

void DuplicatesPage::flatMarksChanged() {
    updateMarkedTotals();
}

void DuplicatesPage::updateMarkedTotals() {
    const duplicates::FlatMarks& marks = fClonesModel->marks();
    setMarkedTotals(marks.count(), marks.size());
    if (!fMain.warning)
        return;
    const bool whole = marks.anyWholeGroup();
    fMain.warning->setVisible(whole);
    fMain.infoImage->setVisible(whole);
}

void DuplicatesPage::updateGroupedWarning() {
    if (!fMain.warning)
        return;
    bool whole = false;
    for (const auto& g : fGrouped.groups) whole = whole || g.allChecked();
    fMain.warning->setVisible(whole);
    fMain.infoImage->setVisible(whole);
}

void DuplicatesPage::selectRows(const std::vector<int>& rows, bool scrollToEach) {
    lvClones->markRows(rows);
    // Scrolling to each row in turn ends at the last one; only that one shows.
    if (scrollToEach && !rows.empty())
        lvClones->scrollTo(fClonesModel->index(rows.back(), 0));
}

void DuplicatesPage::selectFlatRows(const std::vector<int>& rows) {
    selectRows(rows, false);
}

void DuplicatesPage::setCurrentFlatRow(int row) {
    lvClones->setCurrentRow(row);
}

void DuplicatesPage::writeSelectedCount() {
    if (fMain.statusSelection)
        fMain.statusSelection->setText(QString::number(fClonesModel->marks().count()) +
                                       " duplicates selected");
}

void DuplicatesPage::SelectOneDuplicateClick() {
    if (!flatShown()) {
        fGrouped.checkFirstOfEachGroup();
        groupedListChanged();
        return;
    }
    if (ActiveFilters) {
        fContext.dialogs.information("Information",
                                     "Not available with filters active. Please disable filters to contiue");
        return;
    }
    markFlatRows(duplicates::firstOfEachGroup(fClonesModel->rows()), false);
}

void DuplicatesPage::SelectAllDuplicatesClick() {
    if (!flatShown()) {
        fGrouped.checkAllButFirstOfEachGroup();
        groupedListChanged();
        return;
    }
    if (ActiveFilters) {
        fContext.dialogs.information("Information",
                                     "Not available with filters active. Please diable filters to continue");
        return;
    }
    markFlatRows(duplicates::allButFirstOfEachGroup(fClonesModel->rows()), false);
}

void DuplicatesPage::SelectTypeClick(const QString& type, bool fromToolbar) {
    // With filters active the pop-up's command only clears the marks.
    markFlatRows(ActiveFilters ? std::vector<int>()
                               : duplicates::allButFirstOfType(fClonesModel->rows(), type.toStdString()),
                 fromToolbar);
}

// A selection command of the flat view: the old marks go, the new rows are marked, the count is written.
void DuplicatesPage::markFlatRows(const std::vector<int>& rows, bool scrollToEach) {
    busy(true);
    lvClones->clearMarks();
    selectRows(rows, scrollToEach);
    busy(false);
    writeSelectedCount();
}

void DuplicatesPage::InvertSelectionClick() {
    if (!flatShown()) {
        fGrouped.invertChecks();
        groupedListChanged();
        return;
    }
    lvClones->invertMarks();
}

void DuplicatesPage::DeselectAllClick() {
    if (!flatShown()) {
        fGrouped.setAllChecks(false);
        groupedListChanged();
        return;
    }
    lvClones->clearMarks();
}

void DuplicatesPage::ClearSelectionsClick() {
    if (fMain.statusSelection)
        fMain.statusSelection->clear();
    if (flatShown()) {
        lvClones->clearMarks();
    } else {
        fGrouped.setAllChecks(false);
        groupedListChanged();
    }
    if (fMain.infoImage)
        fMain.infoImage->hide();
    setMarkedTotals(0, 0);
}

int DuplicatesPage::firstMarkedRow() const {
    const duplicates::FlatMarks& marks = fClonesModel->marks();
    int first = 0;
    while (first < marks.rows() && !marks.marked(first)) ++first;
    return first;
}

void DuplicatesPage::JumpToNextClick() {
    const duplicates::FlatMarks& marks = fClonesModel->marks();
    for (int row = firstMarkedRow() + 1; row < marks.rows(); ++row) {
        if (marks.marked(row)) {
            lvClones->scrollTo(fClonesModel->index(row, 0));
            return;
        }
    }
}

void DuplicatesPage::JumpToPreviousClick() {
    const duplicates::FlatMarks& marks = fClonesModel->marks();
    for (int row = firstMarkedRow() - 1; row >= 0; --row) {
        if (marks.marked(row)) {
            lvClones->scrollTo(fClonesModel->index(row, 0));
            return;
        }
    }
}

void DuplicatesPage::setDisposalItemsEnabled(bool on) {
    for (Disposal d : {Disposal::Moveselectedfiles1, Disposal::Deleteselected1, Disposal::Zipanddeletefiles1,
                       Disposal::lvRescueV, Disposal::lvRecycleBin, Disposal::lvZipDelete})
        disposalItems[d]->setEnabled(on);
}

void DuplicatesPage::btnApplyClick() {
    const duplicates::FilterChoice choice = filters->choice();
    if (!choice.any())
        return;
    ClearFilters();
    btnSelect->setEnabled(false);
    btnManage->setEnabled(false);
    setDisposalItemsEnabled(false);
    lvClones->clearMarks();
    if (!flatShown())
        showFlat();
    ActiveFilters = true;
    const platform::LocaleFormats& formats = fContext.platform.localeFormats();
    fFiltered = duplicates::applyFilters(fResult.FIDLISTB, choice, [&formats](const std::string& text) {
        const QDateTime t = formats.parseDateTime(QString::fromStdString(text));
        return t.isValid() ? std::optional<std::int64_t>(t.date().toJulianDay()) : std::nullopt;
    });
    if (fFiltered.fromAfterTo)
        fContext.dialogs.information(
            "Information",
            "\"From\" date cannot be bigger than \"To\" date, please review dates to continue.");
    setFlatRows(true);
}

void DuplicatesPage::btnClearFilterClick() {
    ClearFilters();
}

void DuplicatesPage::ClearFilters() {
    btnSelect->setEnabled(true);
    btnManage->setEnabled(true);
    setDisposalItemsEnabled(true);
    if (!ActiveFilters)
        return;
    ActiveFilters = false;
    lvClones->clearMarks();
    // The view goes back to the whole result whoever clears the filters: left on the filtered count it
    // would show only the first records of the result.
    setFlatRows(false);
    fFiltered = {};
}

void DuplicatesPage::connectFilters() {
    connect(filters->btnApply, &QPushButton::clicked, this, &DuplicatesPage::btnApplyClick);
    connect(filters->btnClearFilter, &QPushButton::clicked, this, &DuplicatesPage::btnClearFilterClick);
    connect(filters->cbFilter, &QComboBox::activated, this, &DuplicatesPage::btnApplyClick);
    connect(filters->btnClose, &QToolButton::clicked, this, [this] {
        if (fMain.sidePanel)
            fMain.sidePanel->hide();
    });
}

}  // namespace orlivo::app
