// The module's version, written into the module file itself, so that a tool
// (or a person with `strings`) can name the version of a module on disk without
// loading it. Nothing refers to it: it is kept from the linker's garbage.
#if defined(_MSC_VER)
#pragma comment(linker, "/include:netportuiIdentification")
#define NETPORTUI_KEEP
#else
#define NETPORTUI_KEEP __attribute__((used))
#endif

extern "C" NETPORTUI_KEEP const char netportuiIdentification[] = "@(#)netportui " NETPORTUI_VERSION;
