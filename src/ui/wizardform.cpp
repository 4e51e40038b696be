// The window's font, each step's size and the fitting of wrapped texts.
#include "ui/wizardform.h"

#include <QLabel>

#include <algorithm>
#include <array>

namespace {

// Steps 3 and 4 have a short window: their pages hold little, and the button bar moves up with the window's bottom.
constexpr std::array<StepLayout, kStepCount> kSteps{{
    {335, 296, "Next >"},
    {335, 296, "Next >"},
    {335, 296, "Next >"},
    {184, 144, "Generate"},
    {184, 144, "Done"},
}};

} // namespace

const StepLayout& layoutOf(Step step) {
    return kSteps.at(static_cast<std::size_t>(step));
}

QFont formFont() {
    QFont font;
    // DejaVu Sans Condensed is close to Tahoma's widths; plain DejaVu Sans, which fontconfig would pick, is wide
    // enough to push page texts onto an extra line.
    font.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

void fitWrappedLabels(QWidget* page) {
    for (QLabel* label : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->wordWrap())
            label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
    }
}
