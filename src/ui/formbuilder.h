// Turns the window's control table into Qt widgets, reached by the wizard's code through typed members.
#pragma once

#include "ui/formlayout.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <array>
#include <span>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The controls the wizard's code works with, each filled from the table row of its role (ControlRole).
struct FormControls {
    QWidget* banner = nullptr;
    QLabel* stepTitle = nullptr;
    QLabel* welcome = nullptr;
    std::array<QFrame*, kStepCount> pages{}; // by step
    QLineEdit* master = nullptr;
    QLineEdit* trigger = nullptr;
    std::array<QLineEdit*, 4> botBoxes{}; // username, password, CD-key, home channel
    QComboBox* server = nullptr;
    QComboBox* client = nullptr;
    QCheckBox* display = nullptr;
    std::array<QPushButton*, 7> helpButtons{}; // username, password, server, CD-key, client, home channel, display
    std::array<QString, 7> helpTexts;          // the text each help button shows
    QPushButton* addBot = nullptr;
    QCheckBox* startBot = nullptr;
    QFrame* buttonBar = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* back = nullptr;
    QPushButton* next = nullptr;
};

// "txtBot_2" for a member of a control array, the plain name otherwise.
QString objectNameOf(const ControlRow& row);

enum class FontWeight { Regular, Bold };
// Tahoma 8.25 pt, or DejaVu Sans Condensed where Tahoma is missing.
QFont formFont(FontWeight weight);

// Creates every control of rows inside window, with its object name, text, geometry, font, flags and tab order, and
// fills the members of their roles. Whatever keeps the table from filling every member exactly once (a row missing,
// two rows of one name or role, a name that is not there) is added to problems.
FormControls buildForm(QWidget* window, std::span<const ControlRow> rows, QStringList& problems);
// The window's own table; a problem with it stops the program at start, in every build.
FormControls buildForm(QWidget* window);

// Fonts other than Tahoma can need a pixel more for a wrapped text's last line; there is room below. Measuring lays
// the text out, which costs start-up time, so a page's texts are measured when the page first shows.
void fitWrappedLabels(QWidget* page);
