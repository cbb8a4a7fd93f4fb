// libFuzzer target: ConfigurePortUI on arbitrary "GetProperties" replies and
// reported sizes (see configure_reply_check.cpp).
#include "fuzz/checks.h"
#include "fuzz/fuzzentry.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startFuzzApplication();
    prepareConfigureReply();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    abortOnFailure("fuzz_configure_reply", checkConfigureReply(data, size));
    return 0;
}
