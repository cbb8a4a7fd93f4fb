// libFuzzer target: the address and port rules (see rules_check.cpp).
#include "fuzz/checks.h"
#include "fuzz/fuzzentry.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    abortOnFailure("fuzz_rules", checkRules(data, size));
    return 0;
}
