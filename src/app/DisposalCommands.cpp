#include "DisposalCommands.h"

#include "ClonesModel.h"
#include "DisposalEffects.h"
#include "FlatView.h"
#include "OptionsPage.h"
#include "RescueVault.h"
#include "TWork_f.h"
#include "TsmMsg_f.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSpinBox>

#include <set>

namespace orlivo::app {

namespace {

bool fileExists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path)) ||
           QFileInfo(QString::fromStdString(path)).isSymLink();
}

// The name an added file has in the archive: its path less the root, with the engine's separators.
std::string entryNameOf(const QString& path) {
    std::string name = path.toStdString();
    while (!name.empty() && name.front() == '/') name.erase(name.begin());
    for (char& c : name)
        if (c == '/')
            c = '\\';
    return name;
}

}  // namespace

DisposalCommands::DisposalCommands(AppContext& context, DuplicatesPage& page, TWork_f* work,
                                   TsmMsg_f* progress, const OptionsPage* options)
    : fContext(context), fPage(page), fWork(work), fProgress(progress), fOptions(options) {
    fEngine.Unattended = true;
}

void DisposalCommands::run(Disposal command) {
    const bool flat = fPage.flatShown();
    switch (command) {
        case Disposal::MoveSelected: {
            const int limit = fOptions ? fOptions->spMaxDisk->value() : 500;
            if (rescue::CheckRescueDiskSpace(fContext.folders.rescue().toStdString(), limit)) {
                fContext.dialogs.information(
                    "Information",
                    QString("Disk space allocation exceeded, \"%1\" Delete backup files from the Rescue "
                            "Center or increase the space allocation under settings")
                        .arg(limit));
                return;
            }
            if (!flat)
                return dispose(Disposal::lvRescueV);
            if (fPage.filtersActive()) {
                fContext.dialogs.information(
                    "Information", "Not available with filters active. Please disable filters to continue");
                return;
            }
            return dispose(Disposal::Moveselectedfiles1);
        }
        case Disposal::DeleteSelected:
            return dispose(flat ? Disposal::Deleteselected1 : Disposal::lvRecycleBin);
        case Disposal::zDeleteR:
            return dispose(flat ? Disposal::Zipanddeletefiles1 : Disposal::lvZipDelete);
        case Disposal::zDeleteP:
        case Disposal::DeleteP:
            if (flat)
                dispose(command);
            return;
        default:
            return dispose(command);
    }
}

QString DisposalCommands::vaultArchivePath() const {
    const platform::LocaleFormats& formats = fContext.platform.localeFormats();
    const QDateTime now = QDateTime::currentDateTime();
    const std::string name = rescue::archiveFileName(formats.formatDate(now.date()).toStdString(),
                                                     formats.formatTime(now.time()).toStdString());
    return fContext.folders.rescue() + "/" + QString::fromStdString(name);
}

int DisposalCommands::addToArchive(const QString& archive, const QStringList& files) {
    std::vector<std::string> list;
    for (const QString& f : files) list.push_back(f.toStdString());
    if (fProgress) {
        fProgress->setWindowTitle("Information");
        fProgress->show();
    }
    fEngine.OnProgress = [this](zip::TZipProgressDetails& d) {
        if (fProgress && fProgress->progress(d.TotalPerCent(), QString::fromStdString(d.ItemName)))
            fEngine.setCancel(true);
        QApplication::processEvents();
    };
    fEngine.OnTick = [] { QApplication::processEvents(); };
    const int rc = rescue::addFilesToArchive(fEngine, archive.toStdString(), list);
    fEngine.OnProgress = nullptr;
    fEngine.OnTick = nullptr;
    if (fProgress)
        fProgress->hide();
    if (rc != 0 && !fEngine.ErrMessage().empty())
        fContext.dialogs.warning("Orlivo", QString::fromStdString(fEngine.ErrMessage()));
    return rc;
}

QStringList DisposalCommands::archived(const QStringList& files) const {
    std::set<std::string> names;
    for (const auto& e : fEngine.directory().entries) names.insert(e.name);
    QStringList out;
    for (const QString& f : files)
        if (names.count(entryNameOf(f)))
            out << f;
    return out;
}

void DisposalCommands::dispose(Disposal command) {
    const DisposalRule rule = disposalRule(command);
    duplicates::DuplicateResult& result = fPage.result();
    duplicates::GroupedList& grouped = fPage.groupedList();
    if (!rule.grouped && fPage.filtersActive())
        return;  // the flat view shows filtered copies then; its commands are disabled

    // The marked files: path and result position.
    std::vector<std::pair<QString, std::int64_t>> marked;
    if (rule.grouped) {
        for (const auto& g : grouped.groups)
            for (const auto& r : g.rows)
                if (r.checked)
                    marked.emplace_back(QString::fromStdString(r.path), r.duplicateId);
    } else {
        const duplicates::FlatMarks& marks = fPage.clonesModel().marks();
        for (int row = 0; row < marks.rows(); ++row)
            if (marks.marked(row))
                marked.emplace_back(QString::fromStdString(result.FIDLISTB[std::size_t(row)].FullPath), row);
    }
    if (marked.empty()) {
        fContext.dialogs.information("Information", rule.nothingMarked);
        return;
    }
    if (fContext.dialogs.confirm("Confirm", rule.confirmation.arg(marked.size()), rule.yesNoCancel) !=
        Answer::Yes)
        return;

    // Whatever ends the command, the windows close and the cursor comes back.
    struct Busy {
        TWork_f* work;
        explicit Busy(TWork_f* w) : work(w) {
            if (work)
                work->Show();
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
        ~Busy() {
            QApplication::restoreOverrideCursor();
            if (work)
                work->Close();
        }
    } busy(fWork);

    QString archive;
    if (rule.archive == DisposalRule::Archive::ChosenZip) {
        archive = fContext.dialogs.saveFile("Save duplicate files in Zip archive", QString(),
                                            "Zip archive (*.zip)");
        if (archive.isEmpty())
            return;
        if (QFileInfo(archive).suffix().isEmpty())
            archive += ".zip";
    } else if (rule.archive == DisposalRule::Archive::Vault) {
        archive = vaultArchivePath();
    }

    QStringList files;
    std::vector<std::size_t> positions;
    for (const auto& [path, position] : marked) {
        if (rule.leavesOutMissing && !fileExists(path.toStdString()))
            continue;
        files << path;
        if (position >= 0)
            positions.push_back(std::size_t(position));
        QApplication::processEvents();
    }
    if (files.isEmpty())
        return;

    QStringList toDelete = files;
    if (rule.archive != DisposalRule::Archive::None) {
        if (addToArchive(archive, files) != 0)
            return;  // nothing is deleted: the files and their records stay
        if (rule.archive == DisposalRule::Archive::Vault)
            fLastArchive = archive;
        toDelete = archived(files);
    }

    platform::ShellFileOperation shell = fContext.platform.fileOperation();
    shell.setFlags(rule.shellFlags);
    for (const QString& f : toDelete) shell.addSource(f);
    const bool deleted = !toDelete.isEmpty() && shell.execute();
    if (!deleted && !rule.deleteFailed.isEmpty())
        fContext.dialogs.information("Information", rule.deleteFailed);

    // Only files that are gone leave the result: all of them after a complete delete, those the shell
    // removed before it stopped after a failed one.
    const std::vector<std::size_t> gone = duplicates::positionsGone(result.FIDLISTB, positions, fileExists);
    if (gone.empty() && !deleted) {
        fPage.resultChanged();
        return;
    }
    const duplicates::DisposalEffects effects =
        duplicates::removeDisposed(result.FIDLISTB, gone, fPage.FoldersList);
    std::vector<std::string> names = effects.names;
    if (rule.grouped) {
        names = grouped.removeRowsWhere(
            [](const duplicates::GroupedRow& r) { return r.checked && !fileExists(r.path); });
    }
    fPage.UpdateNavigatorNames(names);
    fPage.RemoveGroupOrphans(effects.groups);
    fPage.finishDisposal(rule.grouped);
}

}  // namespace orlivo::app
