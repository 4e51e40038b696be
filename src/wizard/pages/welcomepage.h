// Step 0, Welcome: the wizard's greeting.
#pragma once

#include "ui_welcomepage.h"

#include <QFrame>

class WelcomePage final : public QFrame {
    Q_OBJECT

public:
    explicit WelcomePage(QWidget* parent = nullptr);

private:
    Ui::WelcomePage m_ui;
};
