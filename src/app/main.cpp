// QelWizard: asks a few questions and writes the bot's config.txt beside itself.
#include "ui/formbuilder.h"
#include "ui/platform.h"
#include "wizard/wizardwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The form's font for every widget, the inner text of line edits included, so no second face loads at start.
    QApplication::setFont(formFont(false));
    QtPlatform platform;
#ifdef Q_OS_WIN
    // An owned window gets no task-bar button of its own: the wizard's owner is a window that never shows.
    QWidget owner;
    owner.winId();
    WizardWindow window(platform, &owner);
#else
    WizardWindow window(platform);
#endif
    platform.setParentWindow(&window);
    window.show();
    return app.exec();
}
