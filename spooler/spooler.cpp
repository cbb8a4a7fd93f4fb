// Stand-ins for the print spooler's channel calls. A channel is opened on a
// name that selects a registered port monitor, carries XcvDataW calls to it and
// is closed again; the handles handed out are opaque values that are looked up
// in the table of open channels and never dereferenced.
#include "spooler/spooler.h"

#include <QString>
#include <QStringList>
#include <QSysInfo>

#include <unistd.h>

#include <climits>
#include <cstdint>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace spooler {

PortMonitor::~PortMonitor() = default;

BOOL PortMonitor::open(const std::u16string&, bool) {
    return TRUE;
}

void PortMonitor::close(const std::u16string&, bool) {}

namespace {

struct Channel {
    std::shared_ptr<PortMonitor> monitor;
    std::u16string object;
    bool isPort = false;
};

std::mutex registryMutex;
// Ordered by name, so that the owner of a port is found in a fixed order.
std::map<std::u16string, std::shared_ptr<PortMonitor>> monitors;
std::map<HANDLE, Channel> channels;
// Handles are numbered and never reused, so a handle that was closed stays
// invalid even after many other channels were opened.
std::uintptr_t lastSerial = 0;

HANDLE nextHandle() {
    ++lastSerial;
    return reinterpret_cast<HANDLE>(0x10000 + (lastSerial << 4));
}

// The server part of a channel name (everything before the first comma) must
// name this machine: nothing at all, "\" (an empty server text followed by
// its backslash), or "\\HOST\" with this machine's host name or "localhost".
bool isLocalServerPrefix(const std::u16string& prefix) {
    if (prefix.empty() || prefix == u"\\") {
        return true;
    }
    if (prefix.size() < 4 || prefix.compare(0, 2, u"\\\\") != 0 || prefix.back() != u'\\') {
        return false;
    }
    const QString host = QString::fromStdU16String(prefix.substr(2, prefix.size() - 3));
    if (host.contains(QLatin1Char('\\'))) {
        return false;
    }
    QStringList names{QStringLiteral("localhost"), QSysInfo::machineHostName()};
    char buffer[HOST_NAME_MAX + 1] = {};
    if (gethostname(buffer, sizeof buffer - 1) == 0) {
        names << QString::fromLocal8Bit(buffer);
    }
    for (const QString& name : names) {
        if (!name.isEmpty() && host.compare(name, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

// Splits "PREFIX,KEYWORD OBJECT" into the object and its kind. False for a
// name that is not a transaction channel on this machine.
bool parseChannelName(const std::u16string& name, std::u16string* object, bool* isPort) {
    const size_t comma = name.find(u',');
    if (comma == std::u16string::npos || !isLocalServerPrefix(name.substr(0, comma))) {
        return false;
    }
    const std::u16string rest = name.substr(comma + 1);
    static const std::u16string monitorKeyword = u"XcvMonitor ";
    static const std::u16string portKeyword = u"XcvPort ";
    if (rest.compare(0, monitorKeyword.size(), monitorKeyword) == 0) {
        *object = rest.substr(monitorKeyword.size());
        *isPort = false;
    } else if (rest.compare(0, portKeyword.size(), portKeyword) == 0) {
        *object = rest.substr(portKeyword.size());
        *isPort = true;
    } else {
        return false;
    }
    return !object->empty();
}

// The monitor of the channel; null with *error set when there is none. A
// port that no monitor owns is ERROR_INVALID_PRINTER_NAME, unless a monitor
// could not tell whether it owns it: then the first such monitor's status.
std::shared_ptr<PortMonitor> findMonitor(const std::u16string& object, bool isPort, DWORD* error) {
    *error = ERROR_INVALID_PRINTER_NAME;
    std::vector<std::shared_ptr<PortMonitor>> candidates;
    {
        std::lock_guard<std::mutex> lock(registryMutex);
        if (!isPort) {
            const auto it = monitors.find(object);
            return it == monitors.end() ? nullptr : it->second;
        }
        for (const auto& entry : monitors) {
            candidates.push_back(entry.second);
        }
    }
    // Asked outside the lock: a monitor may look at its store to answer.
    DWORD undecided = ERROR_SUCCESS;
    for (const auto& monitor : candidates) {
        bool owned = false;
        const DWORD status = monitor->findPort(object, &owned);
        if (status == ERROR_SUCCESS && owned) {
            return monitor;
        }
        if (status != ERROR_SUCCESS && undecided == ERROR_SUCCESS) {
            undecided = status;
        }
    }
    if (undecided != ERROR_SUCCESS) {
        *error = undecided;
    }
    return nullptr;
}

} // namespace

void registerMonitor(const std::u16string& name, std::shared_ptr<PortMonitor> monitor) {
    std::lock_guard<std::mutex> lock(registryMutex);
    if (monitor) {
        monitors[name] = std::move(monitor);
    } else {
        monitors.erase(name);
    }
}

void unregisterMonitor(const std::u16string& name) {
    std::lock_guard<std::mutex> lock(registryMutex);
    monitors.erase(name);
}

void unregisterAllMonitors() {
    std::lock_guard<std::mutex> lock(registryMutex);
    monitors.clear();
}

int openChannelCount() {
    std::lock_guard<std::mutex> lock(registryMutex);
    return static_cast<int>(channels.size());
}

} // namespace spooler

using spooler::Channel;

extern "C" {

BOOL WINAPI OpenPrinterW(LPWSTR pPrinterName, LPHANDLE phPrinter, LPPRINTER_DEFAULTSW pDefault) {
    if (!phPrinter) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *phPrinter = nullptr;
    Channel channel;
    if (!pPrinterName ||
        !spooler::parseChannelName(pPrinterName, &channel.object, &channel.isPort)) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    DWORD error = ERROR_INVALID_PRINTER_NAME;
    channel.monitor = spooler::findMonitor(channel.object, channel.isPort, &error);
    if (!channel.monitor) {
        SetLastError(error);
        return FALSE;
    }
    if (!pDefault || !(pDefault->DesiredAccess & SERVER_ACCESS_ADMINISTER)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (!channel.monitor->open(channel.object, channel.isPort)) {
        return FALSE;
    }
    std::lock_guard<std::mutex> lock(spooler::registryMutex);
    const HANDLE handle = spooler::nextHandle();
    spooler::channels.emplace(handle, std::move(channel));
    *phPrinter = handle;
    return TRUE;
}

BOOL WINAPI XcvDataW(HANDLE hXcv, PCWSTR pszDataName, PBYTE pInputData, DWORD cbInputData,
                     PBYTE pOutputData, DWORD cbOutputData, PDWORD pcbOutputNeeded,
                     PDWORD pdwStatus) {
    Channel channel;
    {
        std::lock_guard<std::mutex> lock(spooler::registryMutex);
        const auto it = spooler::channels.find(hXcv);
        if (it == spooler::channels.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        channel = it->second;
    }
    if (!pszDataName || !pcbOutputNeeded || !pdwStatus) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *pcbOutputNeeded = 0;
    *pdwStatus = ERROR_SUCCESS;
    return channel.monitor->xcvData(channel.object, channel.isPort, pszDataName, pInputData,
                                    cbInputData, pOutputData, cbOutputData, pcbOutputNeeded,
                                    pdwStatus);
}

BOOL WINAPI ClosePrinter(HANDLE hPrinter) {
    Channel channel;
    {
        std::lock_guard<std::mutex> lock(spooler::registryMutex);
        const auto it = spooler::channels.find(hPrinter);
        if (it == spooler::channels.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        channel = std::move(it->second);
        spooler::channels.erase(it);
    }
    channel.monitor->close(channel.object, channel.isPort);
    return TRUE;
}
}
