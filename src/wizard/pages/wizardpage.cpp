// The name a screen reader meets each page by.
#include "wizard/pages/wizardpage.h"

#include <QLabel>

void WizardPage::nameAfterTitleAndExplanation(const QLabel* explanation) {
    setAccessibleName(title() + QLatin1Char('\n') + explanation->text());
}
