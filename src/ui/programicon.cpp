// Loads the program's icon from the resources compiled into this library.
#include "ui/programicon.h"

QIcon programIcon() {
    // The resources live in a static library, so they must be registered by hand before first use.
    Q_INIT_RESOURCE(qelwizard);
    QIcon icon;
    icon.addFile(QStringLiteral(":/qelwizard/icon16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/qelwizard/icon32.png"), QSize(32, 32));
    return icon;
}
