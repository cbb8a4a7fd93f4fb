// A port monitor that passes every call on to another one and prints what
// crossed: the command, its settings string and the status.
#pragma once

#include "spooler/spooler.h"

#include <cstdio>
#include <memory>

class TracingMonitor : public spooler::PortMonitor {
public:
    TracingMonitor(std::shared_ptr<spooler::PortMonitor> inner, std::FILE* out);

    DWORD findPort(const std::u16string& port, bool* owned) const override;
    BOOL open(const std::u16string& object, bool isPort) override;
    BOOL xcvData(const std::u16string& object, bool isPort, const std::u16string& command,
                 const BYTE* input, DWORD inputBytes, BYTE* output, DWORD outputBytes,
                 DWORD* needed, DWORD* status) override;
    void close(const std::u16string& object, bool isPort) override;

private:
    std::shared_ptr<spooler::PortMonitor> inner;
    std::FILE* out;
};
