#pragma once

#include <sys/stat.h>
#include <string>

namespace orlivo::zip {

// A file on disk chosen for an add, with the name it gets in the archive ('\' between folders).
struct AddSource {
    std::string path;
    std::string name;
    struct stat st {};
};

}  // namespace orlivo::zip
