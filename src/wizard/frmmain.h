// The wizard window: its state, the step machine and the button handlers.
#pragma once

#include "bots/botlist.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <array>

class Platform;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

inline constexpr char kBotProgram[] = "QelBot3.exe";

class frmMain : public QWidget {
    Q_OBJECT

public:
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);

    // The window's state, in the order the design declares it.
    qint32 CurrentStep = 0;
    QList<BotRecord> Bots;
    std::array<QString, 5> StepTitles;
    QString ConfigText;
    qint32 BotCount = 0;
    bool ClearBotFields = false;
    // Index in Bots of the record captured from the bot now on the bot page, -1 while it has none. Going Back
    // to correct that bot replaces its record instead of adding a second one; Add Bot starts a new bot.
    qint32 PageBotIndex = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void ShowStep(qint32 step);
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdCancel_Click();
    void cmdAddBot_Click();
    void cmdInfo_Click(qint16 Index);

    // Each step's own work; true when the step is accepted.
    bool ShowWelcome();
    bool ShowGlobalSettings();
    bool ShowBotInformation();
    bool ShowGenerate();
    bool ShowFinished();

    void CaptureBot();
    int Message(const QString& text, int style);
    void DropPageBot();
    void SetClientHeight(int clientHeight, int barTop);
    void PlaceFocusOnShownPage();

    Platform& m_platform;

    QWidget* Picture1 = nullptr;
    QLabel* lblStep = nullptr;
    QLabel* lblWelcome = nullptr;
    std::array<QFrame*, 5> fraBody{};
    QLineEdit* txtMaster = nullptr;
    QLineEdit* txtTrigger = nullptr;
    std::array<QLineEdit*, 4> txtBot{};
    QComboBox* cmbServer = nullptr;
    QComboBox* cmbClient = nullptr;
    QCheckBox* chkDisplay = nullptr;
    std::array<QPushButton*, 7> cmdInfo{};
    QPushButton* cmdAddBot = nullptr;
    QCheckBox* chkStartBot = nullptr;
    QFrame* Frame2 = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
};
