// libFuzzer target: any bytes as an archive, opened, listed, tested and one entry extracted to memory.
// The engine must answer with its error ids, never crash, hang or allocate without bound.

#include "TZipEngine.h"

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/dev/shm/orlivo-fuzz-" + std::to_string(::getpid()) + ".zip";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    const bool written = std::fwrite(data, 1, size, f) == size;
    if (std::fclose(f) != 0 || !written)
        return 0;

    orlivo::zip::TZipEngine engine;
    engine.Unattended = true;
    engine.Password = "pw";
    engine.setZipFileName(path);
    std::size_t total = 0;
    for (int i = 0; i < engine.Count(); ++i) total += engine.DirEntry(i).FileName.size();
    engine.ExtrOptions = {orlivo::zip::TZipExtrOptsEnum::ExtrTest};
    engine.Extract();
    if (engine.Count() > 0)
        engine.ExtractFileToStream(engine.DirEntry(0).FileName);
    return total == SIZE_MAX ? 1 : 0;
}
