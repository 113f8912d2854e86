#pragma once

#include <QString>

namespace orlivo::platform {

// What the top panel shows about the machine.
struct ComputerInfo {
    QString osName;       // product name, e.g. "Debian GNU/Linux 12 (bookworm)"
    QString servicePack;  // the kernel release stands in for the service pack
    bool is64Bit = false;
    QString processorName;
    QString vendorId;
    QString computerName;

    static ComputerInfo read();
};

}  // namespace orlivo::platform
