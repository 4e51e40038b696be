// The Finished page starts the bot, if asked, and ends the wizard.
#include "wizard/pages/finishedpage.h"

#include "ui/platform.h"

#include <QDir>

FinishedPage::FinishedPage(Platform& platform, Answers& answers, QWidget* parent)
    : WizardPage(platform, answers, parent) {
    m_ui.setupUi(this);
    nameAfterTitleAndExplanation(m_ui.Label7);
}

bool FinishedPage::leave() {
    if (m_ui.chkStartBot->checkState() == Qt::Checked) {
        const Outcome folder = m_platform.executableFolder();
        const QString program = QDir(folder.path).filePath(QString::fromLatin1(kBotProgram));
        const Outcome started = folder.ok ? m_platform.startProgramMinimized(program, folder.path)
                                          : Outcome{false, QDir::toNativeSeparators(program), folder.error};
        if (!started.ok)
            m_platform.tell(this, tr("The bot could not be started:\n%1\n\n%2").arg(started.path, started.error),
                            MessageStyle::Critical);
    }
    m_platform.endProgram();
    return true;
}
