// The window described as data: the five steps, and every control with its kind, role, name, text, place in twips,
// font and tab index.
#pragma once

#include <span>

namespace twips {
// 15 twips make one device-independent pixel; Qt scales pixels to the screen.
constexpr int toPixels(int twips) {
    return (twips >= 0 ? twips + 7 : twips - 7) / 15;
}
} // namespace twips

// The wizard's steps in the order Next walks them. A step's number is the index of its page in fraBody.
enum class Step { Welcome, GlobalSettings, BotInformation, Generate, Finished };
inline constexpr int kStepCount = static_cast<int>(Step::Finished) + 1;

// What the window shows around a step's page.
struct StepLayout {
    const char* title;       // in the banner, and the page's name for screen readers
    int clientHeight;        // twips; the width never changes
    int barTop;              // top of the button bar, twips
    const char* nextCaption; // cmdNext's caption
};
const StepLayout& layoutOf(Step step);

inline constexpr int kClientWidth = 7215;
inline constexpr char kWindowTitle[] = "Qel Configuration Wizard";
inline constexpr char kWelcomeText[] =
    "Welcome to the Qel Configuration Wizard.  This wizard will ask you a series of questions, and then use the "
    "answers to generate a configuration file for a QelBot3.";

enum class ControlKind {
    Banner,        // white strip across the top; takes the focus first and shows no focus mark
    Label,         // fixed size, text at the top left
    TextBox,       // single line
    EditableCombo, // text may be typed or picked
    ListCombo,     // only a list entry can be picked
    CheckBox,
    Button,
    Page,      // borderless frame, one per step
    ButtonBar, // etched frame whose top edge is the separator above the buttons
    Line,      // one-pixel line in the window-text colour; its geometry is two end points
};

// What the wizard's code does with a control: each role but None names one member of FormControls (formbuilder.h),
// or one element of a member array, at the row's index.
enum class ControlRole {
    None,
    Banner,
    StepTitle,
    Welcome,
    Page,
    Master,
    Trigger,
    BotBox,
    Server,
    Client,
    Display,
    HelpButton,
    AddBot,
    StartBot,
    ButtonBar,
    Cancel,
    Back,
    Next,
};

namespace ControlFlag {
inline constexpr unsigned Bold = 1;
inline constexpr unsigned WordWrap = 2;
inline constexpr unsigned Checked = 4;
inline constexpr unsigned OneCharacter = 8;
inline constexpr unsigned DefaultButton = 16;
inline constexpr unsigned WhiteBackground = 32; // labels are otherwise see-through, as on the banner
} // namespace ControlFlag

struct ControlRow {
    ControlKind kind;
    ControlRole role;
    const char* name;
    int index;                    // the member's index in its control array, -1 when it is not in one
    const char* parent;           // object name of the container, nullptr for the window
    const char* text;             // caption or preset text, UTF-8
    int left, top, width, height; // twips, relative to the container; a Line gives x1, y1, x2, y2
    int tabIndex;                 // -1 for lines, which have none
    unsigned flags;
    const char* captionOf = nullptr;  // the input this caption names, for screen readers
    const char* explains = nullptr;   // the input whose explanation this is: the label's text or the help text
    const char* help = nullptr;       // a "?" button's text, shown in a box and read with its input
    const char* accessible = nullptr; // an accessible name where the visible text says too little
};

// Containers come before their contents.
std::span<const ControlRow> formControls();
