// Step 3, Generate Config File: Generate (the window's Next) writes config.txt; Add Bot asks for another bot first.
#pragma once

#include "ui_generatepage.h"

#include <QFrame>

class GeneratePage final : public QFrame {
    Q_OBJECT

public:
    explicit GeneratePage(QWidget* parent = nullptr);

Q_SIGNALS:
    void addBotClicked();

private:
    Ui::GeneratePage m_ui;
};
