#pragma once

#include <set>
#include <string>
#include <vector>

namespace orlivo::duplicates {

// The folder part of a path with its trailing separator: "/photos/a.jpg" -> "/photos/".
std::string folderOf(const std::string& path);

// A folder is empty when the files in it and below it add up to 0 bytes: zero-length files and folders
// without data count as empty, a folder that is missing or cannot be read does not. Symbolic links are
// not followed.
bool isEmptyFolder(const std::string& folder);

// The empty-folder candidates: folders of removed duplicates, sorted, each once, each with its
// trailing separator.
class FoldersList {
public:
    void add(const std::string& folder);
    void remove(const std::string& folder) { fFolders.erase(withSeparator(folder)); }
    void clear() { fFolders.clear(); }
    bool empty() const { return fFolders.empty(); }
    std::size_t size() const { return fFolders.size(); }
    std::vector<std::string> paths() const { return {fFolders.begin(), fFolders.end()}; }
    // The candidates that are empty now.
    std::vector<std::string> emptyOnes() const;

private:
    static std::string withSeparator(const std::string& folder);
    std::set<std::string> fFolders;
};

}  // namespace orlivo::duplicates
