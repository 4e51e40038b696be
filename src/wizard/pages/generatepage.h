// Step 3, Generate Config File: Generate (the window's Next) writes config.txt; Add Bot asks for another bot first.
#pragma once

#include "ui_generatepage.h"
#include "wizard/pages/wizardpage.h"

struct ConfigWrite;
// The box after a Generate that failed: the file, the system's reason, and which config.txt is there now.
QString failedWriteMessage(const ConfigWrite& written);

class GeneratePage final : public WizardPage {
    Q_OBJECT

public:
    GeneratePage(Platform& platform, Answers& answers, QWidget* parent);

    // Generate: writes config.txt beside the wizard, or says why not and stays.
    bool leave() override;

private:
    Ui::GeneratePage m_ui;
};
