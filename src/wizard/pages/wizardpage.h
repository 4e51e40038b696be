// What the window asks of each of its pages, and the answers the pages share.
#pragma once

#include "bots/botrecord.h"

#include <QFrame>
#include <QList>

class Platform;
class QLabel;

// The answers the pages give one another: the global settings, the bots captured so far, and whether the bot page
// starts a new bot when the user next arrives on it (Add Bot).
struct Answers {
    QString botMaster;
    QString botTrigger;
    QList<BotRecord> bots;
    bool clearBotFields = false;
};

// A step's page: its form, its title, the box that takes the focus, its work when the user arrives and its check
// (and work) when the user moves on with Next.
class WizardPage : public QFrame {
    Q_OBJECT

public:
    WizardPage(Platform& platform, Answers& answers, QWidget* parent)
        : QFrame(parent)
        , m_platform(platform)
        , m_answers(answers) {}

    // The step's title, shown in the banner: the form's window title.
    QString title() const { return windowTitle(); }
    // Where a keyboard user goes on when the page shows; nullptr where the page has no box (the banner takes it).
    virtual QWidget* firstBox() const { return nullptr; }
    // The page's work on arrival, before it shows.
    virtual void arrive() {}
    // The page's check and work when the user moves on with Next; false keeps the wizard on this page.
    virtual bool leave() { return true; }

Q_SIGNALS:
    // The page sends the user back to the bot page for another bot.
    void addBotRequested();

protected:
    // A screen reader meets the page by its title, then the explanation at its top: it says them when the user
    // arrives on the page, and not again while the focus stays inside it.
    void nameAfterTitleAndExplanation(const QLabel* explanation);

    Platform& m_platform;
    Answers& m_answers;
};
