// The wizard's steps, and what the window looks like around each step's page.
#pragma once

#include <QtGlobal>

#include <array>

// The steps in the order Next walks them. A step's number is the index of its page in fraBody.
enum class Step { Welcome, GlobalSettings, BotInformation, Generate, Finished };
inline constexpr int kStepCount = static_cast<int>(Step::Finished) + 1;

// In device-independent pixels (the design's twips / 15).
struct StepLayout {
    int clientHeight;        // the width never changes
    int barTop;              // top of the button bar, Frame2
    const char* nextCaption; // cmdNext's caption, to translate in WizardWindow's context
    const char* nextName;    // the same as a screen reader says it, without the arrow
};
inline constexpr int kClientWidth = 481;

// Generate and Finished have a short window: their pages hold little, and the button bar moves up with the window's
// bottom.
inline constexpr std::array<StepLayout, kStepCount> kStepLayouts{{
    {335, 296, QT_TRANSLATE_NOOP("WizardWindow", "Next >"), QT_TRANSLATE_NOOP("WizardWindow", "Next")},
    {335, 296, QT_TRANSLATE_NOOP("WizardWindow", "Next >"), QT_TRANSLATE_NOOP("WizardWindow", "Next")},
    {335, 296, QT_TRANSLATE_NOOP("WizardWindow", "Next >"), QT_TRANSLATE_NOOP("WizardWindow", "Next")},
    {184, 144, QT_TRANSLATE_NOOP("WizardWindow", "Generate"), QT_TRANSLATE_NOOP("WizardWindow", "Generate")},
    {184, 144, QT_TRANSLATE_NOOP("WizardWindow", "Done"), QT_TRANSLATE_NOOP("WizardWindow", "Done")},
}};
