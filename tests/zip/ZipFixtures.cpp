#include "ZipFixtures.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace orlivo::zip::test {

Fixture::Fixture(const std::string& name) {
    static std::atomic<int> counter{0};
    fDir = fs::temp_directory_path() /
           ("orlivo-zip-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" + name);
    fs::remove_all(fDir);
    const std::string command = "python3 '" FIXTURES_SCRIPT "' " + name + " '" + fDir.string() + "'";
    if (std::system(command.c_str()) != 0)
        ADD_FAILURE() << "fixture failed: " << command;
}

Fixture::~Fixture() {
    std::error_code ignored;
    fs::permissions(fDir, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(fDir, ignored);
}

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> filesBelow(const fs::path& root) {
    std::vector<std::string> files;
    if (!fs::exists(root))
        return files;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        if (e.is_regular_file())
            files.push_back(fs::relative(e.path(), root).generic_string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

RecordingEngine::RecordingEngine() {
    engine.Unattended = true;
    engine.OnMessage = [this](int id, const std::string&) {
        if (id != 0)
            messages.push_back(id);
    };
}

}  // namespace orlivo::zip::test
