// Step 1, Global Settings: the bot master and the command trigger, which apply to every bot.
#pragma once

#include "ui_globalsettingspage.h"
#include "wizard/pages/wizardpage.h"

class GlobalSettingsPage final : public WizardPage {
    Q_OBJECT

public:
    GlobalSettingsPage(Platform& platform, Answers& answers, QWidget* parent);

    QWidget* firstBox() const override { return m_ui.txtMaster; }
    // Goes on only with both answers, which it keeps; the first empty box takes the focus and its warning shows.
    bool leave() override;

private:
    Ui::GlobalSettingsPage m_ui;
};
