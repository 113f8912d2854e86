#pragma once

#include <unistd.h>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace orlivo::test {

// A fresh folder under the system's temporary folder for tests without Qt, removed with everything in it.
class TempTree {
public:
    explicit TempTree(const std::string& prefix = "orlivo-test") {
        static std::atomic<int> n{0};
        fRoot = std::filesystem::temp_directory_path() /
                (prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(n++));
        std::filesystem::create_directories(fRoot);
    }
    ~TempTree() { std::filesystem::remove_all(fRoot); }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::filesystem::path& root() const { return fRoot; }
    std::string path(const std::string& rel) const { return (fRoot / rel).string(); }
    // Writes a file (making its folders) and returns its path.
    std::string write(const std::string& rel, const std::string& content) const {
        std::filesystem::create_directories((fRoot / rel).parent_path());
        std::ofstream(fRoot / rel, std::ios::binary) << content;
        return path(rel);
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    std::filesystem::path fRoot;
};

}  // namespace orlivo::test
