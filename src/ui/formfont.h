// What the Designer forms cannot say about their texts: the font, and wrapped texts that must fit the font they get.
#pragma once

#include <QFont>

class QWidget;

// Tahoma 8.25 pt, or where Tahoma is not installed DejaVu Sans Condensed, or else the system's sans. The family is
// picked once, from those installed: a family that is missing would make Qt look for a stand-in each time a face
// loads. A form holds whole points only, so the window and the program take their font from here; bold controls say
// only "bold" in their form.
QFont formFont();

// Fonts other than Tahoma can need a pixel more for a wrapped text's last line; there is room below. Measuring lays
// the text out, which costs time, so a page's texts are measured when the page is made, and only in another font.
void fitWrappedLabels(QWidget* page);
