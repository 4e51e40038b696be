// QelWizard: asks a few questions and writes the bot's config.txt beside itself.
#include "ui/platform.h"
#include "wizard/frmmain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QIcon icon;
    icon.addFile(QStringLiteral(":/qelwizard/icon16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/qelwizard/icon32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);

    QtPlatform platform;
    frmMain window(platform);
    platform.setParentWindow(&window);
    window.show();
    return app.exec();
}
