// The floor of the open time under Wine: a bare Qt dialog holding a label and
// a button, built with the module's own Qt and shown the way the module shows
// its windows. A DLL that lies beside the module, finds the platform plugin in
// the same folder, creates the toolkit application for the call, runs the
// dialog modally and destroys both again.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <windows.h>

namespace {

int argumentCount = 1;
char programName[] = "netportui";
char* argumentVector[] = {programName, nullptr};

// The folder "netportui" beside this DLL, where the plugins lie.
QString pluginFolder() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&pluginFolder), &self);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(self, path, MAX_PATH);
    QString folder = QString::fromWCharArray(path);
    folder.truncate(folder.lastIndexOf(QLatin1Char('\\')));
    return folder + QStringLiteral("\\netportui");
}

} // namespace

extern "C" __declspec(dllexport) int netportuiShowFloor() {
    QCoreApplication::addLibraryPath(pluginFolder());
    auto* application = new QApplication(argumentCount, argumentVector);
    auto* dialog = new QDialog(nullptr);
    dialog->setWindowTitle(QStringLiteral("NETPORTUI floor"));
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(QStringLiteral("Enter the IP address or the host name.")));
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    const int result = dialog->exec();
    delete dialog;
    delete application;
    return result;
}
