// The Finished page is its form; the window reads its check box.
#include "wizard/pages/finishedpage.h"

#include "wizard/pages/pagename.h"

FinishedPage::FinishedPage(QWidget* parent)
    : QFrame(parent) {
    m_ui.setupUi(this);
    nameAfterTitleAndExplanation(this, m_ui.Label7);
}
