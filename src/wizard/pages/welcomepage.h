// Step 0, Welcome: the wizard's greeting.
#pragma once

#include "ui_welcomepage.h"
#include "wizard/pages/wizardpage.h"

class WelcomePage final : public WizardPage {
    Q_OBJECT

public:
    WelcomePage(Platform& platform, Answers& answers, QWidget* parent);

private:
    Ui::WelcomePage m_ui;
};
