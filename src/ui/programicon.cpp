// Loads the program's icon from the resources compiled into this library.
#include "ui/programicon.h"

QIcon programIcon() {
    // The resources live in a static library, so they must be registered by hand before first use.
    Q_INIT_RESOURCE(qelwizard);
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/qelwizard/icon%1.png").arg(size), QSize(size, size));
    return icon;
}
