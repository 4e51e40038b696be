// The Generate page hands its Add Bot button to the window.
#include "wizard/pages/generatepage.h"

#include "wizard/pages/pagename.h"

GeneratePage::GeneratePage(QWidget* parent)
    : QFrame(parent) {
    m_ui.setupUi(this);
    nameAfterTitleAndExplanation(this, m_ui.Label6);
    connect(m_ui.cmdAddBot, &QPushButton::clicked, this, &GeneratePage::addBotClicked);
}
