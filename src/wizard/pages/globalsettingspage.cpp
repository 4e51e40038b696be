// The global answers and their check.
#include "wizard/pages/globalsettingspage.h"

#include "ui/platform.h"
#include "wizard/pages/pagename.h"

GlobalSettingsPage::GlobalSettingsPage(Platform& platform, QWidget* parent)
    : QFrame(parent)
    , m_platform(platform) {
    m_ui.setupUi(this);
    nameAfterTitleAndExplanation(this, m_ui.Label3);
    // A screen reader gives each box the explanation below it as its description.
    m_ui.txtMaster->setAccessibleDescription(m_ui.Label4_0->text());
    m_ui.txtTrigger->setAccessibleDescription(m_ui.Label4_1->text());
}

// The wizard goes on to the bots only with both answers: a blank is an answer, an empty box is not.
bool GlobalSettingsPage::checkAnswers() {
    const std::pair<QLineEdit*, QString> answers[]{{m_ui.txtMaster, tr("Please enter a bot master.")},
                                                   {m_ui.txtTrigger, tr("Please enter a bot trigger.")}};
    for (const auto& [box, warning] : answers) {
        if (box->text().isEmpty()) {
            box->setFocus();
            m_platform.tell(this, warning, MessageStyle::Warning);
            return false;
        }
    }
    return true;
}
