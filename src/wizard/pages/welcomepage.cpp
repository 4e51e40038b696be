// The Welcome page is its form.
#include "wizard/pages/welcomepage.h"

WelcomePage::WelcomePage(QWidget* parent)
    : QFrame(parent) {
    m_ui.setupUi(this);
}
