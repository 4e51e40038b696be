// Step 4, Finished: config.txt is written; Done ends the wizard, starting the bot if asked.
#pragma once

#include "ui_finishedpage.h"

#include <QFrame>

class FinishedPage final : public QFrame {
    Q_OBJECT

public:
    explicit FinishedPage(QWidget* parent = nullptr);

    bool startBotTicked() const { return m_ui.chkStartBot->checkState() == Qt::Checked; }

private:
    Ui::FinishedPage m_ui;
};
