#include "RescueVault.h"

#include "LocalFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <ctime>

namespace orlivo::rescue {

namespace {

// Days since a fixed day, with the fraction of the day, in local time.
double localDays(std::int64_t seconds) {
    const std::time_t t = std::time_t(seconds);
    std::tm tm{};
    ::localtime_r(&t, &tm);
    // Days from civil date (Howard Hinnant's algorithm), independent of time zones and daylight saving.
    int y = tm.tm_year + 1900;
    const unsigned m = unsigned(tm.tm_mon + 1), d = unsigned(tm.tm_mday);
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const double day = double(era) * 146097 + double(doe);
    return day + (tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec) / 86400.0;
}

}  // namespace

std::string archiveFileName(const std::string& dateText, const std::string& timeText) {
    std::string name = dateText + " (" + timeText + ").rsc";
    std::replace(name.begin(), name.end(), '/', '-');
    std::replace(name.begin(), name.end(), ':', '-');
    return name;
}

std::vector<VaultArchive> listVault(const std::string& folder) {
    std::vector<VaultArchive> out;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return out;
    while (const dirent* e = ::readdir(dir)) {
        if (e->d_name[0] == '.')
            continue;  // hidden, and the folder's own entries
        VaultArchive a;
        a.name = e->d_name;
        a.path = folder + (folder.ends_with('/') ? "" : "/") + a.name;
        struct stat st {};
        if (::stat(a.path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        a.size = std::int64_t(st.st_size);
        a.mtime = std::int64_t(st.st_mtime);
        out.push_back(std::move(a));
    }
    ::closedir(dir);
    std::sort(out.begin(), out.end(),
              [](const VaultArchive& a, const VaultArchive& b) { return a.name < b.name; });
    return out;
}

bool CheckRescueDiskSpace(const std::string& folder, int maxDiskMb) {
    std::int64_t total = 0;
    for (const VaultArchive& a : listVault(folder)) total += a.size;
    return total >= std::int64_t(maxDiskMb) * 1000000;
}

int addFilesToArchive(zip::TZipEngine& engine, const std::string& archive,
                      const std::vector<std::string>& files) {
    const std::size_t slash = archive.find_last_of('/');
    if (slash != std::string::npos && slash > 0)
        zip::makeDirectories(archive.substr(0, slash));
    engine.setZipFileName(archive);
    engine.FSpecArgs = files;
    engine.FSpecArgsExcl.clear();
    engine.AddOptions = {zip::TZipAddOptsEnum::AddDirNames, zip::TZipAddOptsEnum::AddUpdate};
    engine.WriteOptions = {};
    engine.RootDir.clear();
    return engine.Add();
}

RestoreOutcome restoreArchive(const std::string& archive, const std::string& systemRoot,
                              const RestoreHooks& hooks) {
    RestoreOutcome out;
    struct stat st {};
    zip::TZipEngine engine;
    engine.Unattended = true;
    if (::stat(archive.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        out.error = true;
        return out;
    }
    engine.setZipFileName(archive);
    if (engine.ErrCode() != 0 && engine.Count() == 0) {
        out.error = true;
        return out;
    }
    out.entries = engine.Count();
    std::string root = systemRoot.empty() ? "/" : systemRoot;
    if (!root.ends_with('/'))
        root += '/';
    engine.ExtrBaseDir = root;
    engine.ExtrOptions = {zip::TZipExtrOptsEnum::ExtrDirNames, zip::TZipExtrOptsEnum::ExtrOverWrite};
    std::vector<std::string> names;
    for (int i = 0; i < out.entries; ++i) names.push_back(engine.DirEntry(i).FileName);
    for (int i = 0; i < int(names.size()); ++i) {
        if (hooks.beforeEntry && hooks.beforeEntry(names[i], i, out.entries)) {
            out.cancelled = true;
            break;
        }
        std::string relative = names[i];
        std::replace(relative.begin(), relative.end(), '\\', '/');
        const std::string target = root + relative;
        const std::size_t slash = target.find_last_of('/');
        if (!zip::makeDirectories(target.substr(0, slash))) {
            ++out.skipped;
            continue;
        }
        engine.FSpecArgs = {names[i]};
        engine.FSpecArgsExcl.clear();
        if (engine.Extract() != 0 || engine.SuccessCnt() != 1) {
            out.failures.push_back(target);
            continue;
        }
        ::utimensat(AT_FDCWD, target.c_str(), nullptr, 0);  // the time of the restore
        ++out.restored;
    }
    return out;
}

void retentionPass(const std::string& folder, bool enabled, int days, std::int64_t now) {
    if (!enabled)
        return;
    const double today = std::floor(localDays(now));
    for (const VaultArchive& a : listVault(folder)) {
        if (today - localDays(a.mtime) >= days && ::access(a.path.c_str(), F_OK) == 0)
            ::unlink(a.path.c_str());
    }
}

}  // namespace orlivo::rescue
