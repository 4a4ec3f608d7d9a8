#include "platform/os/SerialPorts.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
std::function<bool(int)>& Probe()
{
    static std::function<bool(int)> probe;
    return probe;
}

bool OpenDevice(int comNumber)
{
    const int fd = open(SerialPortDevice(comNumber).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0) {
        close(fd);
        return true;
    }
    return errno == EACCES || errno == EBUSY || errno == EPERM;
}
}  // namespace

std::string SerialPortDevice(int comNumber) { return "/dev/ttyS" + std::to_string(comNumber - 1); }

bool SerialPortPresent(int comNumber) { return Probe() ? Probe()(comNumber) : OpenDevice(comNumber); }

void SetSerialPortProbe(std::function<bool(int)> probe) { Probe() = std::move(probe); }
