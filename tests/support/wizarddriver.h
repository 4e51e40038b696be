// Drives a real wizard window the way a person would, through its widgets, with a scripted platform.
#pragma once

#include "scriptedplatform.h"
#include "wizard/wizardwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The worked example of config.txt for one bot, written by hand.
inline QByteArray Golden() {
    return ReadAll(QStringLiteral(QEL_TEST_DATA "/one_bot.txt"));
}

struct WizardDriver {
    ScriptedPlatform platform;
    WizardWindow window{platform};

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
            QTest::qFail(qPrintable(u"no control named "_s + name), __FILE__, __LINE__);
        return widget;
    }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    QComboBox* combo(const QString& name) const { return find<QComboBox>(name); }
    QString text(const QString& name) const { return find<QLabel>(name)->text(); }
    QString nextCaption() const { return find<QPushButton>(u"cmdNext"_s)->text(); }

    void click(const QString& name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void next() { click(u"cmdNext"_s); }
    void back() { click(u"cmdBack"_s); }
    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    // Queues OK for the next count message boxes.
    void ok(int count = 1) {
        for (int i = 0; i < count; ++i)
            platform.answer(MessageAnswer::Ok);
    }

    // The page frames that a person can see; exactly one on every step.
    QStringList visiblePages() const {
        QStringList pages;
        for (int i = 0; i < 5; ++i) {
            if (find(u"fraBody_%1"_s.arg(i))->isVisible())
                pages << u"fraBody_%1"_s.arg(i);
        }
        return pages;
    }

    // Types over what a box holds, as a person would.
    void type(const QString& name, const QString& text) {
        QComboBox* combo = window.findChild<QComboBox*>(name);
        QWidget* box = combo ? static_cast<QWidget*>(combo->lineEdit()) : find(name);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    // Fills the Global Settings page and goes on to the bot page.
    void reachBotPage(const QString& master = u"owner"_s) {
        next();
        type(u"txtMaster"_s, master);
        next();
    }

    struct Bot {
        QString username, password, server, cdKey, client, homeChannel;
        bool display = true;
    };
    static Bot SampleBot(const QString& name = u"bot1"_s) {
        return {name, u"secret"_s, u"useast.battle.net"_s, u"ABCD-1234"_s, u"Brood War"_s, u"op home"_s, true};
    }
    // The bot of the golden file, typed with dashes and a blank in its CD-key.
    static Bot ExampleBot() {
        return {u"examplebot"_s,
                u"examplepass"_s,
                u"useast.battle.net"_s,
                u"1234-5678 90123"_s,
                u"StarCraft"_s,
                u"examplechannel"_s,
                true};
    }

    // Fills the bot page: the server typed, the client picked from its list.
    void fillBot(const Bot& bot) {
        type(u"txtBot_0"_s, bot.username);
        type(u"txtBot_1"_s, bot.password);
        type(u"cmbServer"_s, bot.server);
        type(u"txtBot_2"_s, bot.cdKey);
        combo(u"cmbClient"_s)->setCurrentIndex(combo(u"cmbClient"_s)->findText(bot.client));
        type(u"txtBot_3"_s, bot.homeChannel);
        find<QCheckBox>(u"chkDisplay"_s)->setChecked(bot.display);
    }

    // From the start to the Finished page with one bot: Next, Next, Next, Generate.
    void generate(const Bot& bot = ExampleBot()) {
        reachBotPage(u"exampleowner"_s);
        fillBot(bot);
        next();
        next();
    }

    QString configPath() const { return platform.executableFolder() + u"/config.txt"_s; }
};
