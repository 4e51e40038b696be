// The tables that say what the wizard window holds, where, and how it looks on each step.
#include "ui/formlayout.h"

#include <array>

namespace {

using K = ControlKind;
using R = ControlRole;
using namespace ControlFlag;

// Steps 3 and 4 have a short window: their pages hold little, and the button bar moves up with the window's bottom.
constexpr std::array<StepLayout, kStepCount> kSteps{{
    {"Welcome", 5025, 4440, "Next >"},
    {"Step 1: Global Settings", 5025, 4440, "Next >"},
    {"Step 2: Bot Information", 5025, 4440, "Next >"},
    {"Step 3: Generate Config File", 2760, 2160, "Generate"},
    {"Finished!", 2760, 2160, "Done"},
}};

constexpr ControlRow kControls[]{
    // Banner, step title and the line under them.
    {K::Banner, R::Banner, "Picture1", -1, nullptr, "", 0, 0, 8775, 825, 0, 0, nullptr, nullptr, nullptr, kWindowTitle},
    {K::Label, R::None, "Label1", -1, "Picture1", kWindowTitle, 240, 120, 2415, 255, 1, Bold},
    {K::Label, R::StepTitle, "lblStep", -1, "Picture1", kSteps[0].title, 405, 375, 3375, 255, 2, WhiteBackground},
    {K::Line, R::None, "Line2", -1, nullptr, "", -5, 828, 8100, 828, -1, 0},

    // The pages, one per step, all in the same place.
    {K::Page, R::Page, "fraBody", 0, nullptr, "", 120, 960, 6855, 2895, 7, 0},
    {K::Page, R::Page, "fraBody", 1, nullptr, "", 120, 960, 6855, 3015, 10, 0},
    {K::Page, R::Page, "fraBody", 2, nullptr, "", 120, 960, 6855, 3255, 18, 0},
    {K::Page, R::Page, "fraBody", 3, nullptr, "", 120, 960, 6975, 1215, 40, 0},
    {K::Page, R::Page, "fraBody", 4, nullptr, "", 120, 960, 6975, 1215, 44, 0},

    // Welcome.
    {K::Label, R::Welcome, "lblWelcome", -1, "fraBody_0", kWelcomeText, 120, 360, 6615, 975, 8, WordWrap},

    // Global Settings.
    {K::Label, R::None, "Label3", -1, "fraBody_1",
     "The wizard must now ask you some questions that will apply to all bots.  Please fill them in and "
     "click Next to continue.",
     120, 120, 6615, 495, 11, WordWrap},
    {K::Label, R::None, "lblGlobalCap", 0, "fraBody_1", "Bot Master:", 120, 720, 1935, 255, 12, Bold, "txtMaster"},
    {K::Label, R::None, "Label4", 0, "fraBody_1",
     "The bot master is the owner of the bot.  Fill your name in here so you will be able to control "
     "your bot.",
     120, 1080, 6375, 375, 13, WordWrap, nullptr, "txtMaster"},
    {K::TextBox, R::Master, "txtMaster", -1, "fraBody_1", "", 1440, 690, 3375, 285, 14, 0},
    {K::Label, R::None, "lblGlobalCap", 1, "fraBody_1", "Bot Trigger:", 120, 1710, 1935, 255, 15, Bold, "txtTrigger"},
    {K::TextBox, R::Trigger, "txtTrigger", -1, "fraBody_1", "!", 1440, 1680, 255, 285, 16, OneCharacter},
    {K::Label, R::None, "Label4", 1, "fraBody_1",
     "The bot trigger is the prefix that you place before commands.  This tell the bot not only that "
     "you are giving a command, but that you are giving a command to that bot.  They are one character "
     "long.  For example, if your trigger is !, to get the bot to say a message, you would send !say "
     "message.",
     120, 2070, 6375, 855, 17, WordWrap, nullptr, "txtTrigger"},
    {K::Line, R::None, "Line1", -1, "fraBody_1", "", 120, 1560, 6720, 1560, -1, 0},

    // Bot Information: seven rows of caption, input and help button.
    {K::TextBox, R::BotBox, "txtBot", 0, "fraBody_2", "", 1680, 705, 3135, 285, 19, 0},
    {K::TextBox, R::BotBox, "txtBot", 1, "fraBody_2", "", 1680, 1080, 3135, 285, 20, 0},
    {K::EditableCombo, R::Server, "cmbServer", -1, "fraBody_2", "", 1680, 1440, 3135, 315, 21, 0},
    {K::TextBox, R::BotBox, "txtBot", 2, "fraBody_2", "", 1680, 1800, 3135, 285, 22, 0},
    {K::ListCombo, R::Client, "cmbClient", -1, "fraBody_2", "", 1680, 2160, 3135, 315, 23, 0},
    {K::TextBox, R::BotBox, "txtBot", 3, "fraBody_2", "", 1680, 2520, 3135, 285, 24, 0},
    {K::CheckBox, R::Display, "chkDisplay", -1, "fraBody_2", "Display Enabled", 1680, 2880, 2775, 255, 25, Checked},
    {K::Button, R::HelpButton, "cmdInfo", 0, "fraBody_2", "?", 6480, 720, 375, 255, 26, 0, nullptr, "txtBot_0",
     "This is the username that the bot will use to connect to Battle.Net.", "Help: Username"},
    {K::Button, R::HelpButton, "cmdInfo", 1, "fraBody_2", "?", 6480, 1095, 375, 255, 27, 0, nullptr, "txtBot_1",
     "This is the password for the Battle.Net username.", "Help: Password"},
    {K::Button, R::HelpButton, "cmdInfo", 2, "fraBody_2", "?", 6480, 1455, 375, 255, 28, 0, nullptr, "cmbServer",
     "This is the Battle.Net server which the bot will connect to.  Choose your gateway from the list.",
     "Help: Server"},
    ControlRow{
        K::Button, R::HelpButton, "cmdInfo", 3, "fraBody_2", "?", 6480, 1815, 375, 255, 29, 0, nullptr, "txtBot_2",
        "This is the CD-Key which the bot will use to connect to Battle.Net.  It must be a valid key for the game "
        "below.",
        "Help: CD-Key"},
    {K::Button, R::HelpButton, "cmdInfo", 4, "fraBody_2", "?", 6480, 2175, 375, 255, 30, 0, nullptr, "cmbClient",
     "This is the game that the bot will pretend to be when it connects to Battle.Net.", "Help: Game Client"},
    {K::Button, R::HelpButton, "cmdInfo", 5, "fraBody_2", "?", 6480, 2535, 375, 255, 31, 0, nullptr, "txtBot_3",
     "This is the channel the bot will join when it connects to Battle.Net.", "Help: Home Channel"},
    {K::Button, R::HelpButton, "cmdInfo", 6, "fraBody_2", "?", 6480, 2880, 375, 255, 32, 0, nullptr, "chkDisplay",
     "Check this box and Qel will open a window that shows the channel the bot is in.", "Help: Display"},
    {K::Label, R::None, "lblGlobalCap", 3, "fraBody_2", "Username:", 240, 735, 1935, 255, 33, Bold, "txtBot_0"},
    {K::Label, R::None, "Label5", -1, "fraBody_2",
     "The wizard now needs some information about the bots you want to load.  If you are not sure about "
     "the meaning of one of the fields, press the \"?\" button next to it.",
     120, 120, 6615, 495, 34, WordWrap},
    {K::Label, R::None, "lblGlobalCap", 2, "fraBody_2", "Password:", 240, 1110, 1935, 255, 35, Bold, "txtBot_1"},
    {K::Label, R::None, "lblGlobalCap", 4, "fraBody_2", "Server:", 240, 1470, 1935, 255, 36, Bold, "cmbServer"},
    {K::Label, R::None, "lblGlobalCap", 5, "fraBody_2", "CD-Key:", 240, 1830, 1935, 255, 37, Bold, "txtBot_2"},
    {K::Label, R::None, "lblGlobalCap", 6, "fraBody_2", "Game Client:", 240, 2190, 1935, 255, 38, Bold, "cmbClient"},
    {K::Label, R::None, "lblGlobalCap", 7, "fraBody_2", "Home Channel:", 240, 2550, 1935, 255, 39, Bold, "txtBot_3"},
    {K::Label, R::None, "lblGlobalCap", 8, "fraBody_2", "Display:", 240, 2910, 1935, 255, 43, Bold, "chkDisplay"},

    // Generate Config File.
    {K::Label, R::None, "Label6", -1, "fraBody_3",
     "The wizard has collected all of the information it needs and now can begin to create your bot's "
     "configuration.  You can create it now or add another bot to this configuration.",
     120, 120, 6615, 495, 41, WordWrap},
    {K::Button, R::AddBot, "cmdAddBot", -1, "fraBody_3", "Add Bot", 5760, 840, 1215, 340, 42, 0},

    // Finished.
    {K::Label, R::None, "Label7", -1, "fraBody_4",
     "The wizard has finished generating your config and your bot is now ready to use.  Thank you for "
     "using the Qel Configuration Wizard.",
     120, 120, 6615, 495, 45, WordWrap},
    {K::CheckBox, R::StartBot, "chkStartBot", -1, "fraBody_4", "Start Bot", 120, 720, 2775, 255, 46, Checked},

    // The button bar: only its top edge shows, as the separator above the buttons.
    {K::ButtonBar, R::ButtonBar, "Frame2", -1, nullptr, "", -30, kSteps[0].barTop, 7975, 750, 3, 0},
    {K::Button, R::Cancel, "cmdCancel", -1, "Frame2", "Cancel", 5900, 180, 1215, 340, 4, 0},
    {K::Button, R::Back, "cmdBack", -1, "Frame2", "< Back", 3330, 180, 1215, 340, 5, 0},
    {K::Button, R::Next, "cmdNext", -1, "Frame2", "Next >", 4560, 180, 1215, 340, 6, DefaultButton},
    {K::Label, R::None, "Label2", 0, "Frame2", "Version " QELWIZARD_VERSION, 200, 300, 3375, 255, 9, 0},
};

} // namespace

const StepLayout& layoutOf(Step step) {
    return kSteps.at(static_cast<std::size_t>(step));
}

std::span<const ControlRow> formControls() {
    return kControls;
}
