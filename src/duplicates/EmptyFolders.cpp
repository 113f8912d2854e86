#include "EmptyFolders.h"

#include <dirent.h>
#include <sys/stat.h>

namespace orlivo::duplicates {

namespace {

// False as soon as a byte of data is found or a folder cannot be read.
bool holdsNoData(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    bool empty = true;
    while (empty) {
        const dirent* e = ::readdir(dir);
        if (!e)
            break;
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string path = folder + "/" + name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode))
            empty = holdsNoData(path);
        else if (S_ISREG(st.st_mode))
            empty = st.st_size == 0;
    }
    ::closedir(dir);
    return empty;
}

}  // namespace

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool isEmptyFolder(const std::string& folder) {
    std::string f = folder;
    while (f.size() > 1 && f.back() == '/') f.pop_back();
    struct stat st {};
    return ::lstat(f.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && holdsNoData(f);
}

std::string FoldersList::withSeparator(const std::string& folder) {
    return folder.ends_with('/') ? folder : folder + "/";
}

void FoldersList::add(const std::string& folder) {
    if (!folder.empty())
        fFolders.insert(withSeparator(folder));
}

std::vector<std::string> FoldersList::emptyOnes() const {
    std::vector<std::string> out;
    for (const std::string& f : fFolders)
        if (isEmptyFolder(f))
            out.push_back(f);
    return out;
}

}  // namespace orlivo::duplicates
