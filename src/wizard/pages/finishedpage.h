// Step 4, Finished: config.txt is written; Done ends the wizard, starting the bot if asked.
#pragma once

#include "ui_finishedpage.h"
#include "wizard/pages/wizardpage.h"

inline constexpr char kBotProgram[] = "QelBot3.exe";

class FinishedPage final : public WizardPage {
    Q_OBJECT

public:
    FinishedPage(Platform& platform, Answers& answers, QWidget* parent);

    // Done: starts the bot from the wizard's folder when "Start Bot" is ticked, says so if it cannot, and ends.
    bool leave() override;

private:
    Ui::FinishedPage m_ui;
};
