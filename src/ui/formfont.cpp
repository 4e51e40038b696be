// The forms' font and the fitting of wrapped texts.
#include "ui/formfont.h"

#include <QFontDatabase>
#include <QLabel>

#include <algorithm>

namespace {

const QString kDesignFamily = QStringLiteral("Tahoma");

// The family the forms' texts are drawn in.
const QString& formFamily() {
    // DejaVu Sans Condensed is close to Tahoma's widths; plain DejaVu Sans, which fontconfig would pick, is wide
    // enough to push page texts onto an extra line.
    static const QString family = [] {
        // The list of installed families, not hasFamily(), which asks fontconfig to resolve each name as an alias.
        const QStringList installed = QFontDatabase::families();
        for (const QString& candidate : {kDesignFamily, QStringLiteral("DejaVu Sans Condensed")}) {
            if (installed.contains(candidate))
                return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

} // namespace

QFont formFont() {
    QFont font(formFamily());
    font.setPointSizeF(8.25);
    return font;
}

void fitWrappedLabels(QWidget* page) {
    if (formFamily() == kDesignFamily) // the forms' heights are drawn for it: nothing to measure
        return;
    for (QLabel* label : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->wordWrap())
            label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
    }
}
