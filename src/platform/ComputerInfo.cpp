#include "ComputerInfo.h"

#include <QFile>
#include <QSysInfo>
#include <QTextStream>

namespace orlivo::platform {
namespace {

QString cpuInfoField(const QString& field) {
    QFile file("/proc/cpuinfo");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed() == field)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

}  // namespace

ComputerInfo ComputerInfo::read() {
    ComputerInfo info;
    info.osName = QSysInfo::prettyProductName();
    info.servicePack = QSysInfo::kernelType() + " " + QSysInfo::kernelVersion();
    info.is64Bit = QSysInfo::currentCpuArchitecture().contains("64");
    info.processorName = cpuInfoField("model name");
    if (info.processorName.isEmpty())
        info.processorName = QSysInfo::currentCpuArchitecture();
    info.vendorId = cpuInfoField("vendor_id");
    info.computerName = QSysInfo::machineHostName();
    return info;
}

}  // namespace orlivo::platform
