// The global answers and their check.
#include "wizard/pages/globalsettingspage.h"

#include "ui/platform.h"

GlobalSettingsPage::GlobalSettingsPage(Platform& platform, Answers& answers, QWidget* parent)
    : WizardPage(platform, answers, parent) {
    m_ui.setupUi(this);
    nameAfterTitleAndExplanation(m_ui.Label3);
    // A screen reader gives each box the explanation below it as its description.
    m_ui.txtMaster->setAccessibleDescription(m_ui.Label4_0->text());
    m_ui.txtTrigger->setAccessibleDescription(m_ui.Label4_1->text());
}

// The wizard goes on to the bots only with both answers: a blank is an answer, an empty box is not.
bool GlobalSettingsPage::leave() {
    const std::pair<QLineEdit*, QString> answers[]{{m_ui.txtMaster, tr("Please enter a bot master.")},
                                                   {m_ui.txtTrigger, tr("Please enter a bot trigger.")}};
    for (const auto& [box, warning] : answers) {
        if (box->text().isEmpty()) {
            box->setFocus();
            m_platform.tell(this, warning, MessageStyle::Warning);
            return false;
        }
    }
    m_answers.botMaster = m_ui.txtMaster->text();
    m_answers.botTrigger = m_ui.txtTrigger->text();
    return true;
}
