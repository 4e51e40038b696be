// QelWizard: asks a few questions and writes the bot's config.txt beside itself.
#include "ui/formfont.h"
#include "ui/platform.h"
#include "wizard/wizardwindow.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    useLaidOutStyle();
    installAccessibleRoles();
    // The form's font for every widget, the inner text of line edits included, so no second face loads at start.
    QApplication::setFont(formFont());
    const std::unique_ptr<QTranslator> qtTexts = installQtTranslation(QLocale::system());
    QtPlatform platform;
    WizardWindow window(platform, platform.windowOwner());
    window.show();
    return app.exec();
}
