// A library planted in the working directory under the name of one that the
// module needs (the X connection library), with the functions the module
// calls. If the loader ever took it from there, its constructor would leave a
// mark in that directory.
#include <cstdio>

namespace {
__attribute__((constructor)) void markLoaded() {
    if (std::FILE* mark = std::fopen("planted-library-was-loaded", "w")) {
        std::fclose(mark);
    }
}
} // namespace

extern "C" {
void* xcb_connect(const char*, int*) {
    return nullptr;
}
int xcb_connection_has_error(void*) {
    return 1;
}
void xcb_disconnect(void*) {}
}
