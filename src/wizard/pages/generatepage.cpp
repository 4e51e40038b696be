// Generate writes config.txt and says what went wrong; Add Bot goes back for another bot.
#include "wizard/pages/generatepage.h"

#include "config/configwriter.h"
#include "ui/platform.h"

#include <QApplication>
#include <QDir>

QString failedWriteMessage(const ConfigWrite& written) {
    if (written.newFileInPlace)
        return QCoreApplication::translate("GeneratePage",
                                           "The new config.txt is in place, but the system could not confirm that it "
                                           "is on the disk:\n%1\n\n%2\n\nPress Generate again to write it again.")
            .arg(written.path, written.error);
    return QCoreApplication::translate("GeneratePage",
                                       "The configuration file could not be written:\n%1\n\n%2\n\nAny earlier "
                                       "config.txt there is unchanged. Fix the problem, then press Generate again.")
        .arg(written.path, written.error);
}

GeneratePage::GeneratePage(Platform& platform, Answers& answers, QWidget* parent)
    : WizardPage(platform, answers, parent) {
    m_ui.setupUi(this);
    nameAfterTitleAndExplanation(m_ui.Label6);
    connect(m_ui.cmdAddBot, &QPushButton::clicked, this, [this] {
        m_answers.clearBotFields = true; // a new bot, added beside the others
        Q_EMIT addBotRequested();
    });
}

bool GeneratePage::leave() {
    if (m_answers.bots.isEmpty()) {
        m_platform.tell(this,
                        tr("No bot has been added yet.  Please go Back and enter at least a server and a game client."),
                        MessageStyle::Warning);
        return false;
    }
    const Outcome folder = m_platform.executableFolder();
    ConfigWrite written{{false, QDir::toNativeSeparators(folder.path + QStringLiteral("/config.txt")), folder.error}};
    if (folder.ok) {
        // Writing waits out a moment's hold on the file by another program; the pointer says so meanwhile, and is
        // itself again before any box.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        written = writeConfigFile(m_answers.botMaster, m_answers.botTrigger, m_answers.bots, folder.path);
        QApplication::restoreOverrideCursor();
    }
    if (!written.ok) // either way the wizard stays on the Generate page, for Generate to be pressed again
        m_platform.tell(this, failedWriteMessage(written), MessageStyle::Critical);
    return written.ok;
}
