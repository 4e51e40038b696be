// What the window's Designer form (wizardwindow.ui) cannot say: the steps and each one's window size, the font, and
// texts that must fit the font they really get.
#pragma once

#include <QFont>

class QWidget;

// The wizard's steps in the order Next walks them. A step's number is the index of its page in fraBody.
enum class Step { Welcome, GlobalSettings, BotInformation, Generate, Finished };
inline constexpr int kStepCount = static_cast<int>(Step::Finished) + 1;

// What the window looks like around a step's page, in device-independent pixels (the design's twips / 15).
struct StepLayout {
    int clientHeight;        // the width never changes
    int barTop;              // top of the button bar, Frame2
    const char* nextCaption; // cmdNext's caption
};
const StepLayout& layoutOf(Step step);
inline constexpr int kClientWidth = 481;

// Tahoma 8.25 pt, or DejaVu Sans Condensed where Tahoma is missing. A form holds whole points only, and a family
// named there would lose the fallback, so the window and the program take their font from here; bold controls say
// only "bold" in the form.
QFont formFont();

// Fonts other than Tahoma can need a pixel more for a wrapped text's last line; there is room below. Measuring lays
// the text out, which costs start-up time, so a page's texts are measured when the page first shows.
void fitWrappedLabels(QWidget* page);
