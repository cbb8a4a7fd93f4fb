// The stand-in print spooler: the channel calls OpenPrinterW, XcvDataW and
// ClosePrinter (declared in platform/win32.h) and the registry of the port
// monitors they reach.
//
// A channel name is an optional server prefix naming this machine ("\\host\",
// "\\localhost\" or, for an empty server text, "\"), a comma, then either
// "XcvMonitor NAME" (the registered monitor NAME) or "XcvPort NAME" (the
// monitor that owns the port NAME). Opening requires SERVER_ACCESS_ADMINISTER.
// When no monitor owns the port, opening fails with ERROR_INVALID_PRINTER_NAME,
// or with the status of a monitor that cannot tell (see findPort).
#pragma once

#include "platform/win32.h"

#include <memory>
#include <string>

namespace spooler {

// A port monitor reachable through the stand-in spooler. Calls may come from
// any thread; an implementation that keeps state guards it itself.
class NETPORT_SPOOLER_API PortMonitor {
public:
    virtual ~PortMonitor();

    // Routes "XcvPort NAME": ERROR_SUCCESS with *owned telling whether the
    // port belongs to this monitor, or the status with which opening the
    // channel fails because the monitor cannot tell (its store cannot be
    // read).
    virtual DWORD findPort(const std::u16string& port, bool* owned) const = 0;

    // Called when a channel to this monitor is opened (object = monitor or
    // port name, isPort for XcvPort). Return FALSE and SetLastError(...) to
    // refuse; the default accepts.
    virtual BOOL open(const std::u16string& object, bool isPort);

    // One XcvDataW call on an open channel: return the call's BOOL, set
    // *needed and *status. input/output may be null; their sizes are as the
    // caller passed them.
    virtual BOOL xcvData(const std::u16string& object, bool isPort, const std::u16string& command,
                         const BYTE* input, DWORD inputBytes, BYTE* output, DWORD outputBytes,
                         DWORD* needed, DWORD* status) = 0;

    // Called when a channel to this monitor is closed; the default does nothing.
    virtual void close(const std::u16string& object, bool isPort);
};

// Registers the monitor under the name; a monitor of that name already there
// is replaced. Channels open on the replaced monitor keep using it until closed.
NETPORT_SPOOLER_API void registerMonitor(const std::u16string& name,
                                         std::shared_ptr<PortMonitor> monitor);
NETPORT_SPOOLER_API void unregisterMonitor(const std::u16string& name);
NETPORT_SPOOLER_API void unregisterAllMonitors();

// Channels opened and not yet closed.
NETPORT_SPOOLER_API int openChannelCount();

} // namespace spooler
