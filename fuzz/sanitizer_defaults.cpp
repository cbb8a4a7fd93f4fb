// Defaults that the sanitizer runtimes read at start-up.

extern "C" {

// fontconfig, which the toolkit loads for its first widget, keeps blocks that
// it never frees and holds no pointer to at exit. Nothing of this system's
// code is matched here.
const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

} // extern "C"
