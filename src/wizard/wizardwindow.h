// The wizard window: the banner, the page area and the button bar around the step machine.
#pragma once

#include "bots/botrecord.h"
#include "ui/platform.h"
#include "wizard/step.h"

#include <QDialog>
#include <QList>

#include <memory>

namespace Ui {
class WizardWindow;
}
class WelcomePage;
class GlobalSettingsPage;
class BotPage;
class GeneratePage;
class FinishedPage;

inline constexpr char kBotProgram[] = "QelBot3.exe";

struct ConfigWrite;
// The box after a Generate that failed: the file, the system's reason, and which config.txt is there now.
QString failedWriteMessage(const ConfigWrite& written);

class WizardWindow : public QDialog {
    Q_OBJECT

public:
    // owner: a window the wizard's window belongs to, or nullptr (see QtPlatform::windowOwner).
    explicit WizardWindow(Platform& platform, QWidget* owner = nullptr);
    ~WizardWindow() override;

    Step currentStep() const { return m_currentStep; }
    // The bots captured so far, in the order they were entered.
    const QList<BotRecord>& bots() const { return m_bots; }

    // Esc and Cancel: asks, and ends the program on Yes.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs the step's checks and captures, and moves to its page when they accept it; a refused step changes
    // nothing on screen.
    void goToStep(Step step);
    bool acceptStep(Step step);
    void showPage(Step step);
    QWidget* firstBox(Step step) const;

    void captureBot();
    bool writeConfig();

    void goNext();
    void goBack();
    void addBot();
    void startBotAndEnd();
    MessageAnswer message(const QString& text, MessageStyle style);

    // A step's page, made the first time the wizard goes to it.
    QWidget* page(Step step);
    // Makes the page into page, from these arguments and the page area as its parent, unless it is made already.
    template <typename Page, typename... Arguments> Page* makePageOnce(Page*& page, Arguments&... arguments);

    Platform& m_platform;
    std::unique_ptr<Ui::WizardWindow> m_ui;
    WelcomePage* m_welcome = nullptr;
    GlobalSettingsPage* m_globalSettings = nullptr;
    BotPage* m_botPage = nullptr;
    GeneratePage* m_generate = nullptr;
    FinishedPage* m_finished = nullptr;

    Step m_currentStep = Step::Welcome;
    QList<BotRecord> m_bots;
    // Index in m_bots of the record captured from the bot now on the bot page, -1 while it has none. Going Back to
    // correct that bot replaces its record instead of adding a second one; Add Bot starts a new bot.
    qsizetype m_pageBotIndex = -1;
};
