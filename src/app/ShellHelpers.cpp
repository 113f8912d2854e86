#include "ShellHelpers.h"

#include "FileTypes.h"
#include "Platform.h"
#include "TPropertiesDialog.h"
#include "TWork_f.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>

namespace orlivo::app {

QString GetFileType(const QString& S, bool isFilter, QComboBox* cbFilter) {
    const QFileInfo info(S);
    if (!info.exists() && !info.isSymLink()) {
        throw OsError(QString("The system cannot find the file specified: %1").arg(S).toStdString());
    }
    const QString type = platform::fileTypeName(S);
    if (isFilter && cbFilter) {
        bool present = false;
        for (int i = 0; i < cbFilter->count() && !present; ++i) {
            present = cbFilter->itemText(i).compare(type, Qt::CaseInsensitive) == 0;
        }
        if (!present)
            cbFilter->addItem(type);
        cbFilter->setCurrentIndex(0);
    }
    return type;
}

int GetImageIndex(const QString& strPath, QWidget* /*ListView*/, ImageList& imageList) {
    if (strPath.isEmpty())
        return -1;
    const QIcon icon = platform::smallFileIcon(strPath);
    if (icon.isNull())
        return -1;
    return imageList.add(icon);
}

std::uint32_t GetSpecialFolder(const platform::Platform& platform, int aFolder, QString& Location) {
    const auto result = platform.specialFolder(aFolder);
    if (result.code == platform::shellresult::Ok)
        Location = result.path + '/';
    return result.code;
}

namespace {

void openWhileBusy(platform::Platform& platform, TWork_f* work, const QString& target) {
    if (work)
        work->Show();
    platform.launcher().open(target);
    if (work)
        work->Close();
}

}  // namespace

void OpenExternally(platform::Platform& platform, TWork_f* work, const QString& path) {
    openWhileBusy(platform, work, path);
}

void OpenFileLocation(platform::Platform& platform, TWork_f* work, const QString& path) {
    const int slash = path.lastIndexOf('/');
    openWhileBusy(platform, work, slash < 0 ? path : path.left(slash + 1));
}

void ShowFileProperties(const QString& path, QWidget* owner) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto* dialog = new TPropertiesDialog(path, owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QApplication::restoreOverrideCursor();
    dialog->show();
}

}  // namespace orlivo::app
