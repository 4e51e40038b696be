// How a screen reader meets a page: by its step's title (the form's accessible name), then the explanation at its
// top. A reader says the name when the user arrives on the page, and not again while the focus stays inside it.
#pragma once

#include <QLabel>
#include <QWidget>

inline void nameAfterTitleAndExplanation(QWidget* page, const QLabel* explanation) {
    page->setAccessibleName(page->accessibleName() + QLatin1Char('\n') + explanation->text());
}

// The step's title that the page is named by.
inline QString titleOf(const QWidget* page) {
    return page->accessibleName().section(QLatin1Char('\n'), 0, 0);
}
