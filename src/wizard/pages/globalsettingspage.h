// Step 1, Global Settings: the bot master and the command trigger, which apply to every bot.
#pragma once

#include "ui_globalsettingspage.h"

#include <QFrame>

class Platform;

class GlobalSettingsPage final : public QFrame {
    Q_OBJECT

public:
    explicit GlobalSettingsPage(Platform& platform, QWidget* parent = nullptr);

    // Whether both answers are given; the first empty box takes the focus and its warning shows.
    bool checkAnswers();
    // Where a keyboard user goes on when the page shows.
    QWidget* firstBox() const { return m_ui.txtMaster; }
    QString botMaster() const { return m_ui.txtMaster->text(); }
    QString botTrigger() const { return m_ui.txtTrigger->text(); }

private:
    Platform& m_platform;
    Ui::GlobalSettingsPage m_ui;
};
