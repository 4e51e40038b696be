// The Generate page hands its Add Bot button to the window.
#include "wizard/pages/generatepage.h"

GeneratePage::GeneratePage(QWidget* parent)
    : QFrame(parent) {
    m_ui.setupUi(this);
    connect(m_ui.cmdAddBot, &QPushButton::clicked, this, &GeneratePage::addBotClicked);
}
