// Loads the program's icon from the resources compiled into this library.
#include "ui/programicon.h"

QIcon programIcon() {
    // The resources live in a static library, so they must be registered by hand before first use.
    Q_INIT_RESOURCE(qelwizard);
    QIcon icon;
    // The sizes a title bar, task bar and window switcher ask for, up to 200%. Every size is decoded before the
    // window first shows (X11 sends them all to the window manager), so the 128 and 256 pixel pictures, which only
    // the .ico and the menu entry need, would cost start-up time for nothing.
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/qelwizard/icon%1.png").arg(size), QSize(size, size));
    return icon;
}
