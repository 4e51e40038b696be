// QelWizard: asks a few questions and writes the bot's config.txt beside itself.
#include "ui/platform.h"
#include "wizard/wizardwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtPlatform platform;
    WizardWindow window(platform);
    platform.setParentWindow(&window);
    window.show();
    return app.exec();
}
