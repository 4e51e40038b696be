// The forms' font and the fitting of wrapped texts.
#include "ui/formfont.h"

#include <QFontDatabase>
#include <QLabel>

#include <algorithm>

QFont formFont() {
    // DejaVu Sans Condensed is close to Tahoma's widths; plain DejaVu Sans, which fontconfig would pick, is wide
    // enough to push page texts onto an extra line.
    static const QString family = [] {
        // The list of installed families, not hasFamily(), which asks fontconfig to resolve each name as an alias.
        const QStringList installed = QFontDatabase::families();
        for (const QString& candidate : {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")}) {
            if (installed.contains(candidate))
                return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    QFont font(family);
    font.setPointSizeF(8.25);
    return font;
}

void fitWrappedLabels(QWidget* page) {
    for (QLabel* label : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->wordWrap())
            label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
    }
}
