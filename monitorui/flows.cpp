#include "monitorui/flows.h"

#include "monitorui/settings.h"
#include "properties/propertiesdlg.h"
#include "toolkit/application.h"
#include "toolkit/log.h"
#include "wizard/addportwizard.h"

#include <QMessageBox>

BOOL MLAddPorts(PWSTR* settings) {
    logMessage("MLAddPorts");
    acquireApplication();
    BOOL result = FALSE;
    auto* wizard = new AddPortWizard(nullptr, "AddPortWizard");
    wizard->activateWindow();
    wizard->raise();
    if (wizard->exec() == QDialog::Accepted) {
        logMessage("wizard.exec()");
        NewPortValues values;
        values.protocol = wizard->protocol();
        values.portName = wizard->portName();
        if (values.protocol == 2) {
            values.proxyEnabled = wizard->isProxyEnabled();
            values.proxyName = wizard->proxyName();
            values.proxyPort = wizard->proxyPort();
            values.logicalPrinter = wizard->logicalPrinter();
            values.secure = wizard->isSecure();
        }
        values.monitoring = wizard->isMonitoringEnabled();
        values.community = wizard->community();
        // Null when the block cannot be had: the caller reports that.
        *settings = toWireString(composeAddPortString(values));
        result = TRUE;
    }
    // The wizard goes before the release, which may destroy the application.
    delete wizard;
    releaseApplication();
    logMessage("return (%d)", result ? 1 : 0);
    return result;
}

BOOL MLConfigPortUI(PCWSTR reply, DWORD replyBytes, PWSTR* settings) {
    PortSettings record;
    logMessage("MLConfigPortUI");
    acquireApplication();
    parseParams(record, replyText(reply, replyBytes));

    auto* dialog = new PropertiesDlg(record.protocol, nullptr, "test", true,
                                     Qt::Dialog | Qt::WindowStaysOnTopHint);
    dialog->setTimeout(QString::number(record.timeout));
    dialog->setMonitoringEnabled(record.monitoring);
    dialog->setCommunity(record.community);
    dialog->portGB->setTitle(QObject::tr("Configuration for Port %1").arg(record.portName));
    if (record.proxyEnabled) {
        dialog->setProxyEnabled(true);
    }
    dialog->setProxyName(record.proxyName);
    bool ok = false;
    const int proxyPort = record.proxyPort.toInt(&ok, 10);
    dialog->setProxyPort(ok ? proxyPort : 0);

    BOOL result = FALSE;
    if (dialog->exec() == QDialog::Accepted) {
        EditedPortValues values;
        dialog->timeout(values.timeout);
        values.proxyEnabled = dialog->isProxyEnabled();
        values.proxyName = dialog->proxyName();
        values.proxyPort = dialog->proxyPort();
        values.monitoring = dialog->isMonitoringEnabled();
        values.community = dialog->community();
        *settings = toWireString(composeSetPropertiesString(record.portName, values));
        result = TRUE;
    }
    delete dialog;
    releaseApplication();
    return result;
}

void showPortExistsWarning() {
    acquireApplication();
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("WARNING"),
                                QObject::tr("Port already exists"), QMessageBox::Ok, nullptr);
    box->setModal(true);
    box->exec();
    delete box;
    releaseApplication();
}

DWORD windowSupportError() {
    return applicationStartError();
}
