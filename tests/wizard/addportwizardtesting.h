// Helpers for driving the add-port wizard as a user would.
#pragma once

#include "forms/addhttpportwidget.h"
#include "forms/addsocketportwidget.h"
#include "forms/infowidget.h"
#include "forms/proxywidget.h"
#include "forms/selectwidget.h"
#include "forms/snmpwidget.h"
#include "wizard/addportwizard.h"
#include "wizard/wizardtesting.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

inline void clickNext(BWizard& wizard) {
    QTest::mouseClick(wizard.nextButton(), Qt::LeftButton);
}

inline void clickBack(BWizard& wizard) {
    QTest::mouseClick(wizard.backButton(), Qt::LeftButton);
}

template <typename Page> Page* currentPage(BWizard& wizard) {
    return qobject_cast<Page*>(wizard.currentPage());
}

template <typename Page> Page* findPage(BWizard& wizard) {
    for (int i = 0; i < wizard.pageCount(); ++i) {
        if (auto* page = qobject_cast<Page*>(wizard.page(i))) {
            return page;
        }
    }
    return nullptr;
}

// The class names of the pages in the list, in order.
inline QString pageClasses(BWizard& wizard) {
    QStringList names;
    for (int i = 0; i < wizard.pageCount(); ++i) {
        names << QString::fromLatin1(wizard.page(i)->metaObject()->className());
    }
    return names.join(QLatin1Char(' '));
}

inline QString pageTitles(BWizard& wizard) {
    QStringList titles;
    for (int i = 0; i < wizard.pageCount(); ++i) {
        titles << wizard.title(wizard.page(i));
    }
    return titles.join(QLatin1Char(' '));
}

// Goes back to the selection page and picks the method: 1 standard TCP/IP,
// 2 HTTP.
inline void chooseMethod(BWizard& wizard, int protocol) {
    while (!currentPage<SelectWidget>(wizard) && wizard.backButton()->isEnabled()) {
        clickBack(wizard);
    }
    if (auto* select = currentPage<SelectWidget>(wizard)) {
        clickIndicator(protocol == 1 ? static_cast<QAbstractButton*>(select->socketRB)
                                     : select->secureRB);
    }
}

// Replaces the whole text of a field by typing over it.
inline void typeOver(QLineEdit* field, const QString& text) {
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(field, text);
    }
}

// Pastes a text from the clipboard over the whole text of a field.
inline void pasteOver(QLineEdit* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

inline QString summaryText(BWizard& wizard) {
    InfoWidget* info = findPage<InfoWidget>(wizard);
    return info ? info->message->text() : QString();
}

// Saves a picture of the wizard when NETPORT_WIZARD_SHOTS names a directory.
inline void saveShot(QWidget& wizard, const QString& name) {
    const QString dir = qEnvironmentVariable("NETPORT_WIZARD_SHOTS");
    if (!dir.isEmpty()) {
        wizard.grab().save(QDir(dir).filePath(QStringLiteral("wizard-%1.png").arg(name)));
    }
}
