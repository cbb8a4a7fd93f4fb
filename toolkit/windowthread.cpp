#include "toolkit/windowthread.h"

#include <mutex>
#include <thread>

namespace {

// The thread that holds the windows, and how many of its operations do.
std::mutex claimMutex;
std::thread::id holder;
int claims = 0;

} // namespace

DWORD claimWindowThread() {
    const std::lock_guard<std::mutex> lock(claimMutex);
    const std::thread::id self = std::this_thread::get_id();
    if (claims > 0 && holder != self) {
        return ERROR_BUSY;
    }
    holder = self;
    ++claims;
    return ERROR_SUCCESS;
}

void releaseWindowThread() {
    const std::lock_guard<std::mutex> lock(claimMutex);
    if (claims > 0) {
        --claims;
    }
}
