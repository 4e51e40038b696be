// The wizard window: the banner, the page area and the button bar around the step machine.
#pragma once

#include "ui/platform.h"
#include "wizard/pages/wizardpage.h"
#include "wizard/step.h"

#include <QDialog>

#include <array>
#include <memory>

namespace Ui {
class WizardWindow;
}

// How screen readers meet the window's parts that Qt's own roles misname, for the whole program; once, before the
// window is made.
void installAccessibleRoles();

class WizardWindow : public QDialog {
    Q_OBJECT

public:
    // owner: a window the wizard's window belongs to, or nullptr (see QtPlatform::windowOwner).
    explicit WizardWindow(Platform& platform, QWidget* owner = nullptr);
    ~WizardWindow() override;

    Step currentStep() const { return m_currentStep; }
    // The bots captured so far, in the order they were entered.
    const QList<BotRecord>& bots() const { return m_answers.bots; }

    // Esc and Cancel: asks, and ends the program on Yes.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Shows the step's page, after its work on arrival.
    void showPage(Step step);
    // A step's page, made the first time the wizard goes to it.
    WizardPage* page(Step step);

    void goNext();
    void goBack();

    Platform& m_platform;
    std::unique_ptr<Ui::WizardWindow> m_ui;
    Answers m_answers;
    std::array<WizardPage*, kStepCount> m_pages{};
    Step m_currentStep = Step::Welcome;
};
