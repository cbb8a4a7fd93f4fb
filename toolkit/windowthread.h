// Which thread may show the module's windows. The toolkit's application
// belongs to the thread that created it, and a host may call from any thread
// (a shell opens each printer's property sheet on a thread of its own). Plain
// C++ without the toolkit: a thread that is turned away must not touch it.
#pragma once

#include "platform/win32.h"

// Reserves the module's windows for the calling thread until the matching
// releaseWindowThread(): ERROR_SUCCESS when this thread may show them now
// (claims of one thread nest), ERROR_BUSY at once when another thread holds
// them. Never waits: waiting would freeze the other thread's windows.
DWORD claimWindowThread();
void releaseWindowThread();

// A claim for the life of one operation.
class WindowThreadClaim {
public:
    WindowThreadClaim() : error_(claimWindowThread()) {}
    ~WindowThreadClaim() {
        if (error_ == ERROR_SUCCESS) {
            releaseWindowThread();
        }
    }
    WindowThreadClaim(const WindowThreadClaim&) = delete;
    WindowThreadClaim& operator=(const WindowThreadClaim&) = delete;

    // ERROR_SUCCESS while held, else why not.
    DWORD error() const { return error_; }

private:
    const DWORD error_;
};
