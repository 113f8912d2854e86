#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace orlivo::zip {

// MS-DOS date and time (date in the high word) from and to local time, as zip entries store them.
std::time_t fromDosDateTime(std::uint32_t dt);
std::uint32_t toDosDateTime(std::time_t t);

bool isDirectory(const std::string& path);
// Makes the folder and every missing parent; true when the folder is there afterwards.
bool makeDirectories(const std::string& path);

}  // namespace orlivo::zip
