// The wizard window: the step machine, the checks of each page, bot capture and the button handlers.
#pragma once

#include "bots/botlist.h"
#include "ui/platform.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

inline constexpr char kBotProgram[] = "QelBot3.exe";

class WizardWindow : public QWidget {
    Q_OBJECT

public:
    explicit WizardWindow(Platform& platform, QWidget* parent = nullptr);

    // 0 Welcome, 1 Global Settings, 2 Bot Information, 3 Generate Config File, 4 Finished.
    int currentStep() const { return m_currentStep; }
    // The bots captured so far, in the order they were entered.
    const QList<BotRecord>& bots() const { return m_bots; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showStep(int step);
    // Each step's own work: it makes a page visible and says whether the step is accepted.
    bool showWelcome();
    bool showGlobalSettings();
    bool checkGlobalsAndShowBotPage();
    bool captureBotAndShowGenerate();
    bool writeConfigAndShowFinished();

    void goNext();
    void goBack();
    void askToCancel();
    void addBot();
    void showHelp(int index);
    void startBotAndEnd();

    void captureBot();
    void forgetPageBot();
    MessageAnswer message(const QString& text, MessageStyle style);
    void setClientHeight(int clientHeight, int barTop);
    void placeFocusOnShownPage();

    Platform& m_platform;
    int m_currentStep = 0;
    QList<BotRecord> m_bots;
    // Set by Add Bot; the next visit of the bot page starts with empty boxes.
    bool m_clearBotFields = false;
    // Index in m_bots of the record captured from the bot now on the bot page, -1 while it has none. Going Back to
    // correct that bot replaces its record instead of adding a second one; Add Bot starts a new bot.
    qsizetype m_pageBotIndex = -1;
    // Whether each page's wrapped texts have been measured; a page's are measured when it first shows.
    std::array<bool, 5> m_pageFitted{};

    QWidget* m_banner = nullptr;
    QLabel* m_stepTitle = nullptr;
    QLabel* m_welcome = nullptr;
    std::array<QFrame*, 5> m_pages{};
    QLineEdit* m_master = nullptr;
    QLineEdit* m_trigger = nullptr;
    std::array<QLineEdit*, 4> m_botBoxes{}; // username, password, CD-key, home channel
    QComboBox* m_server = nullptr;
    QComboBox* m_client = nullptr;
    QCheckBox* m_display = nullptr;
    std::array<QPushButton*, 7> m_helpButtons{};
    QPushButton* m_addBot = nullptr;
    QCheckBox* m_startBot = nullptr;
    QFrame* m_buttonBar = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
};
