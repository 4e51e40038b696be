// Turns the window's control table into Qt widgets.
#pragma once

#include "ui/formlayout.h"

#include <QFont>
#include <QHash>
#include <QString>

class QWidget;

// "txtBot_2" for a member of a control array, the plain name otherwise.
QString objectNameOf(const ControlRow& row);

// Tahoma 8.25 pt, or DejaVu Sans Condensed where Tahoma is missing.
QFont formFont(bool bold);

// Creates every control of formControls() inside window, with its object name, text, geometry, font, flags and
// tab order, and returns them by object name.
QHash<QString, QWidget*> buildForm(QWidget* window);

// Fonts other than Tahoma can need a pixel more for a wrapped text's last line; there is room below. Measuring lays
// the text out, which costs start-up time, so a page's texts are measured when the page first shows.
void fitWrappedLabels(QWidget* page);
