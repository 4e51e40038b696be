// Drives a real wizard window the way a person would, through its widgets, with a scripted platform.
#pragma once

#include "scriptedplatform.h"
#include "wizard/frmmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

struct WizardDriver {
    ScriptedPlatform platform;
    frmMain window{platform};

    WizardDriver() {
        platform.watch(&window);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            QTest::qFail("the wizard window did not become active", __FILE__, __LINE__);
    }

    template <typename T = QWidget> T* find(const QString& name) const {
        auto* widget = window.findChild<T*>(name);
        if (!widget)
            QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
        return widget;
    }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
    QComboBox* combo(const QString& name) const { return find<QComboBox>(name); }
    QCheckBox* check(const QString& name) const { return find<QCheckBox>(name); }
    QString text(const QString& name) const { return find<QLabel>(name)->text(); }

    void click(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // The page frames that a person can see; exactly one on every step.
    QStringList visiblePages() const {
        QStringList pages;
        for (int i = 0; i < 5; ++i) {
            const QString name = QStringLiteral("fraBody_%1").arg(i);
            if (find(name)->isVisible())
                pages << name;
        }
        return pages;
    }

    // Types into a box as a person would: select what is there, then type over it.
    void type(QWidget* box, const QString& text) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
    }

    // Fills the Global Settings page and goes on to the bot page.
    void reachBotPage(const QString& master = QStringLiteral("owner")) {
        click(QStringLiteral("cmdNext"));
        type(edit(QStringLiteral("txtMaster")), master);
        click(QStringLiteral("cmdNext"));
    }

    struct Bot {
        QString username, password, server, cdKey, client, homeChannel;
        bool display = true;
    };
    static Bot SampleBot(const QString& name = QStringLiteral("bot1")) {
        return {name,
                QStringLiteral("secret"),
                QStringLiteral("useast.battle.net"),
                QStringLiteral("ABCD-1234"),
                QStringLiteral("Brood War"),
                QStringLiteral("op home"),
                true};
    }

    // Fills the bot page: server typed, client picked from its list.
    void fillBot(const Bot& bot) {
        type(edit(QStringLiteral("txtBot_0")), bot.username);
        type(edit(QStringLiteral("txtBot_1")), bot.password);
        type(combo(QStringLiteral("cmbServer"))->lineEdit(), bot.server);
        type(edit(QStringLiteral("txtBot_2")), bot.cdKey);
        combo(QStringLiteral("cmbClient"))->setCurrentIndex(combo(QStringLiteral("cmbClient"))->findText(bot.client));
        type(edit(QStringLiteral("txtBot_3")), bot.homeChannel);
        check(QStringLiteral("chkDisplay"))->setChecked(bot.display);
    }

    QString configPath() const { return platform.ExecutableFolder() + QStringLiteral("/config.txt"); }
};
