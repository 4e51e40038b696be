// Loads the program's icon from the resources compiled into this library.
#include "ui/programicon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

QIcon programIcon() {
    // The resources live in a static library, so they must be registered by hand before first use.
    Q_INIT_RESOURCE(qelwizard);
    QIcon icon;
    // The sizes a title bar, task bar and window switcher ask for, up to 200%. X11 sends every size to the window
    // manager before the window first shows, so they are raw pixels (scripts/draw-icons.sh makes them from the PNGs):
    // nothing to decode, and no image plugins to look through, at start.
    for (const int size : {16, 32, 48, 64}) {
        const QByteArray pixels = QResource(QStringLiteral(":/qelwizard/icon%1.rgba").arg(size)).uncompressedData();
        if (pixels.size() != size * size * 4) // QImage would read past the end of a short one
            continue;
        const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size, QImage::Format_RGBA8888);
        icon.addPixmap(QPixmap::fromImage(image)); // over the resource's own bytes, stored uncompressed for good
    }
    return icon;
}
