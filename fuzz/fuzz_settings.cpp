// libFuzzer target: the port settings string (see settings_check.cpp).
#include "fuzz/checks.h"
#include "fuzz/fuzzentry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    abortOnFailure("fuzz_settings", checkSettings(data, size));
    return 0;
}
