// The Welcome page is its form.
#include "wizard/pages/welcomepage.h"

#include "wizard/pages/pagename.h"

WelcomePage::WelcomePage(QWidget* parent)
    : QFrame(parent) {
    m_ui.setupUi(this);
    nameAfterTitleAndExplanation(this, m_ui.lblWelcome);
}
