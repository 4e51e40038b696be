// The Welcome page is its form.
#include "wizard/pages/welcomepage.h"

WelcomePage::WelcomePage(Platform& platform, Answers& answers, QWidget* parent)
    : WizardPage(platform, answers, parent) {
    m_ui.setupUi(this);
    nameAfterTitleAndExplanation(m_ui.lblWelcome);
}
