// Another product's "Qt6Core.dll": a library with the name every Qt product's
// core library has and none of Qt's exports, standing for an older Qt or one
// built by another compiler. The chain test puts it into its own folder,
// which Windows searches before the system directory. Its one export tells
// the test that it is this file that a search by that name finds.
#include <windows.h>

extern "C" __declspec(dllexport) int netportuiForeignQtCore() {
    return 1;
}
