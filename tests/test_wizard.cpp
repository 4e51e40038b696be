// The wizard as its users meet it: the page flow, the warnings, bot capture, config.txt on disk, starting the bot.
#include "wizarddriver.h"

#include "ui/programicon.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <array>
#include <cmath>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::Literals::StringLiterals;

// A focus event as a screen reader is sent it: the control, its accessible element, whether the control had the
// keyboard focus, and the description the reader reads out with it.
struct SpokenFocus {
    QWidget* control;
    QAccessible::Id element;
    bool hadFocus;
    QString description;
};

class WizardTest : public WizardTestCase {
    Q_OBJECT

    // A failure box that names the path once, in the system's notation, with a reason after it.
    static bool explains(const Box& box, const QString& path) {
        const QString named = QDir::toNativeSeparators(path);
        return box.style == MessageStyle::Critical && box.text.count(named) == 1 &&
               (named == path || !box.text.contains(path)) &&
               box.text.contains(QRegularExpression("\n" + QRegularExpression::escape(named) + "\n\n\\S"));
    }
    static QAccessibleInterface* reader(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

private Q_SLOTS:
    // Two bots by keyboard alone, corrections and a Cancel answered No on the way, over a longer config.txt: Enter from
    // the banner, in a text box and on a focused button; the trigger takes one character; Down picks a list's next
    // entry; Esc asks to cancel; the focus goes on in the first box of the bot page; Add Bot keeps server, client and
    // display; Back from Generate keeps each bot's answers for correcting.
    void keyboardOnlyWholeJobWritesTheGoldenFile() {
        WizardDriver& w = wizard();
        QVERIFY(QFile::copy(QEL_FAKE_BOT, w.configPath())); // an old config.txt, longer than the new one
        w.platform.answers = {MessageAnswer::No, MessageAnswer::Ok, MessageAnswer::Ok};
        QVERIFY(w.play("Return >txtMaster 'exampleowner' Tab '!?' Return 'examplebot' Tab 'examplepass' Tab Down Tab "
                       "'1234-5678 90123' Tab Down Tab 'examplechannel' Return Escape >cmdBack Return >txtBot_1 Return "
                       ">cmdAddBot Return "
                       "'caf\u00e9' Tab 'pass word' Tab Tab 'ab-cd' Tab Down Down >chkDisplay Space >cmbServer "
                       "'my.server.example' Return >cmdBack Return >txtBot_0 Return"));
        QCOMPARE(w.find<QComboBox>("cmbServer")->count(), 4); // Enter in the server box did not add to the list
        QVERIFY(w.play("Return"));                            // Generate
        QCOMPARE(readAll(w.configPath()), readAll(":/data/two_bots.txt"));
        const Box cancel{MessageStyle::Question,
                         "Are you sure you want to exit the Wizard?  No configuration files will be created."},
            noHome{MessageStyle::Warning, "Please enter a bot home channel."};
        QCOMPARE(w.platform.boxes, QList<Box>({cancel, noHome, noHome}));
    }

    // A fixed dialog, titled and with its icon, that opens where the system puts it, with the focus on the banner, so
    // Enter presses Next at once.
    void windowOpensAsAFixedDialog() {
        WizardWindow& window = wizard().window;
        QCOMPARE(window.windowTitle(), u"Qel Configuration Wizard"_s);
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.pos(), QPoint(0, 0)); // where the system puts a new window, not centred as a dialog would be
        QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(window.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
        QCOMPARE(reader(&window)->role(), QAccessible::Dialog);
        QCOMPARE(wizard().focusName(), u"Picture1"_s);
        // The window's text is the Welcome page's: the banner says the title alone.
        QCOMPARE(reader(wizard().find("Picture1"))->text(QAccessible::Description), u"Welcome"_s);
        // Start-up makes only the page it shows; the others are made when the wizard first goes to them.
        QCOMPARE(window.findChildren<QWidget*>(QRegularExpression("^fraBody_")).size(), 1);
    }

    // The window's icon, kept as raw pixels for a quick start, shows what its pictures show.
    void iconShowsItsPictures_data() {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 64})
            QTest::addRow("%d", size) << size;
    }
    void iconShowsItsPictures() {
        QFETCH(int, size);
        const QImage picture(QStringLiteral(":/resources/icon%1.png").arg(size));
        QCOMPARE(picture.size(), QSize(size, size));
        const auto pixels = [](const QImage& image) { // the bytes alone: a PNG's colour space is not a pixel
            const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
            return QByteArray(reinterpret_cast<const char*>(rgba.constBits()), rgba.sizeInBytes());
        };
        QCOMPARE(pixels(programIcon().pixmap(size).toImage()), pixels(picture));
    }

    // Cancel answered Yes ends the program, and so does the title bar's close box, asking nothing; neither writes.
    void cancelAndCloseEndTheProgram() {
        WizardDriver& w = wizard();
        QVERIFY(w.reachStep(Step::Generate));
        w.platform.answers = {MessageAnswer::Yes};
        w.click("cmdCancel");
        QCOMPARE(w.platform.endCalls, 1);
        QVERIFY(w.window.close());
        QCOMPARE(w.platform.endCalls, 2);
        QCOMPARE(w.platform.boxes.size(), 1);
        QVERIFY(!QFile::exists(w.configPath()));
    }

    // Qt's own texts in the system's language, where Qt has it; the wizard's own stay English, left to right.
    void qtTextsSpeakTheSystemsLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("undo");
        QTest::newRow("German") << "de_DE" << QStringList{"&Ja", "&Nein"} << "&Rückgängig\tStrg+Z";
        QTest::newRow("Hebrew, right to left") << "he_IL" << QStringList{"&כן", "&לא"} << "&בטל\tCtrl+\u202AZ";
        QTest::newRow("no translation: English") << "sw_KE" << QStringList{"&Yes", "&No"} << "&Undo\tCtrl+Z";
    }
    void qtTextsSpeakTheSystemsLanguage() {
        QFETCH(QString, locale);
        QFETCH(QStringList, buttons);
        QFETCH(QString, undo);
        const std::unique_ptr<QTranslator> qtTexts = installQtTranslation(QLocale(locale));
        QCOMPARE(qtTexts != nullptr, locale != "sw_KE");
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QCOMPARE(menu->actions().value(0)->text(), undo);

        QStringList shown;
        Qt::LayoutDirection direction = Qt::RightToLeft;
        QTimer::singleShot(0, &wizard().window, [&] {
            if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                for (const QAbstractButton* button : question->buttons())
                    shown << button->text();
                direction = question->layoutDirection();
                QTest::keyClick(question, Qt::Key_Escape);
            }
        });
        const MessageAnswer answer = QtPlatform().messageBox(&wizard().window, "Are you sure?",
                                                             "Qel Configuration Wizard", MessageStyle::Question);
        QCOMPARE(shown, buttons);
        QCOMPARE(answer, MessageAnswer::No);
        QCOMPARE(direction, Qt::LeftToRight);
        QCOMPARE(wizard().window.layoutDirection(), Qt::LeftToRight);
        QCOMPARE(wizard().text("cmdNext"), "Next >");
        QCOMPARE(wizard().text("lblStep"), "Welcome");
    }

    // A Generate that cannot write says why, with the pointer itself again, and can be tried again once the cause is
    // gone.
    void failedGenerateSaysWhyAndCanBeRetried() {
        WizardDriver& w = wizard();
        QVERIFY(w.reachStep(Step::Generate));
        QVERIFY(QDir().mkdir(w.configPath())); // a folder where config.txt should go
        w.platform.answers = {MessageAnswer::Ok};
        w.next();
        QVERIFY(explains(w.platform.boxes.value(0), w.configPath()));
        QCOMPARE(w.window.currentStep(), Step::Generate);
        QVERIFY(QDir().rmdir(w.configPath()));
        w.next();
        QCOMPARE(w.window.currentStep(), Step::Finished);
        QVERIFY(QFileInfo(w.configPath()).isFile());
    }

    // Next and Back through every page: the title, the page, the window's size, the buttons and the welcome prompt.
    // On Finished, Esc has nothing to cancel.
    void everyStepShowsItsPage() {
        WizardDriver& w = wizard();
        QVERIFY(w.reachStep(Step::Generate));
        const QStringList titles{"Welcome", "Step 1: Global Settings", "Step 2: Bot Information",
                                 "Step 3: Generate Config File", "Finished!"};
        const std::pair<const char*, Step> walk[]{{"cmdBack", Step::BotInformation}, {"cmdBack", Step::GlobalSettings},
                                                  {"cmdBack", Step::Welcome},        {"cmdBack", Step::Welcome},
                                                  {"cmdNext", Step::GlobalSettings}, {"cmdNext", Step::BotInformation},
                                                  {"cmdNext", Step::Generate},       {"cmdNext", Step::Finished}};
        for (const auto& [button, step] : walk) { // Back on the Welcome page changes nothing
            w.click(button);
            const bool tall = step < Step::Generate;
            QCOMPARE(w.window.currentStep(), step);
            QCOMPARE(w.text("lblStep"), titles[static_cast<int>(step)]);
            QCOMPARE(w.visiblePages(), QList<Step>{step});
            QCOMPARE(w.window.size(), tall ? QSize(481, 335) : QSize(481, 184));
            QCOMPARE(w.find("Frame2")->y(), tall ? 296 : 144);
            QCOMPARE(w.text("cmdNext"), tall ? u"Next >"_s : step == Step::Generate ? u"Generate"_s : u"Done"_s);
            QCOMPARE(w.find("cmdBack")->isEnabled(), step != Step::Finished);
            QCOMPARE(w.find("cmdCancel")->isEnabled(), step != Step::Finished);
            QCOMPARE(w.text("lblWelcome").count(u"Please click Next to continue."), 1);
        }
        QVERIFY(w.play("Escape"));
        QCOMPARE(w.window.currentStep(), Step::Finished);
        QCOMPARE(w.platform.boxes, QList<Box>());
    }

    // What a screen reader is told on each page change, wherever the focus was: one focus event, for the control that
    // has the keyboard focus, which reads out the new page's title, then its explanation, once: as its description (the
    // banner), or as the context of the box that takes the focus. A reader drops a second focus event from the element
    // it already has as the focus, so the event's element is never the one before. The bar's buttons are named as
    // words, the game list with its choice, and no two things the focus visits on a page alike.
    void pageChangesAreAnnounced() {
        WizardDriver& w = wizard();
        const QString pages[]{
            "",
            "Step 1: Global Settings\nThe wizard must now ask you some questions that will apply to all bots.  Please "
            "fill them in and click Next to continue.",
            "Step 2: Bot Information\nThe wizard now needs some information about the bots you want to load.  If you "
            "are not sure about the meaning of one of the fields, press the \"?\" button next to it.",
            "Step 3: Generate Config File\nThe wizard has collected all of the information it needs and now can begin "
            "to create your bot's configuration.  You can create it now or add another bot to this configuration.",
            "Finished!\nThe wizard has finished generating your config and your bot is now ready to use.  Thank you "
            "for using the Qel Configuration Wizard."};
        static QList<SpokenFocus> spoken;
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::Focus && event->object()->isWidgetType()) {
                QAccessibleInterface* element = event->accessibleInterface();
                spoken << SpokenFocus{static_cast<QWidget*>(event->object()), QAccessible::uniqueId(element),
                                      static_cast<QWidget*>(event->object())->hasFocus(),
                                      element->text(QAccessible::Description)};
            }
        });
        QPlatformAccessibility* screenReaders = QGuiApplicationPrivate::platformIntegration()->accessibility();
        screenReaders->setActive(true); // as when a screen reader is running
        const auto quiet = qScopeGuard([screenReaders] {
            QAccessible::installUpdateHandler(nullptr);
            screenReaders->setActive(false);
        });
        // keys on the way, the key that changes the page, the warnings it gives, the step reached, the control that
        // has the focus there
        const std::tuple<const char*, const char*, int, Step, const char*> changes[]{
            {"", "Return", 0, Step::GlobalSettings, "Picture1"},
            {">txtMaster 'owner'", "Return", 0, Step::BotInformation, "txtBot_0"},
            {"@txtBot_0 'bot1' @txtBot_1 'pw' @cmbServer 'useast.battle.net' @txtBot_2 'AB' @cmbClient Down @txtBot_3 "
             "'home'",
             "Return", 0, Step::Generate, "Picture1"},
            {">cmdBack", "Space", 0, Step::BotInformation, "txtBot_0"},
            {">txtBot_0 Backspace", "Return", 1, Step::Generate, "Picture1"},
            {">cmdAddBot", "Space", 0, Step::BotInformation, "txtBot_0"},
            {"@txtBot_0 'bot2' @txtBot_1 'pw' @txtBot_2 'AB' @txtBot_3 'home' >cmdNext", "Space", 0, Step::Generate,
             "Picture1"},
            {">cmdBack", "Space", 0, Step::BotInformation, "txtBot_0"},
            {">cmdNext", "Space", 0, Step::Generate, "Picture1"},
            {"", "Return", 0, Step::Finished, "Picture1"},
        };
        for (const auto& [way, key, warnings, step, at] : changes) {
            w.platform.answers = QList<MessageAnswer>(warnings, MessageAnswer::Ok);
            QVERIFY(w.play(way));
            const QAccessible::Id before = QAccessible::uniqueId(reader(QApplication::focusWidget())),
                                  banner = QAccessible::uniqueId(reader(w.find("Picture1")));
            spoken.clear();
            QVERIFY(w.play(key));
            QCOMPARE(w.window.currentStep(), step);
            QCOMPARE(w.focusName(), at);
            QCOMPARE(spoken.size(), 1);
            const SpokenFocus& said = spoken[0];
            QCOMPARE(said.control, QApplication::focusWidget());
            QVERIFY(said.hadFocus);
            QVERIFY(said.element != before);
            QVERIFY(QAccessible::uniqueId(reader(w.find("Picture1"))) != banner); // new words, a new element
            QWidget* page = w.find(QStringLiteral("fraBody_%1").arg(static_cast<int>(step)));
            QCOMPARE(reader(page)->text(QAccessible::Name), pages[static_cast<int>(step)]);
            QCOMPARE(page->isAncestorOf(said.control) ? reader(page)->text(QAccessible::Name) : said.description,
                     pages[static_cast<int>(step)]);

            QStringList names;
            for (QWidget* control : w.window.findChildren<QWidget*>())
                if (control->isVisible() && control->isEnabled() && control->focusPolicy() != Qt::NoFocus &&
                    !qobject_cast<QComboBox*>(control->parentWidget())) // a drop-down's text box is read with it
                    names << reader(control)->text(QAccessible::Name);
            names.removeAll(QString());
            QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
            QCOMPARE(reader(w.find("cmdNext"))->text(QAccessible::Name), step < Step::Generate    ? "Next"
                                                                         : step == Step::Generate ? "Generate"
                                                                                                  : "Done");
            QCOMPARE(reader(w.find("cmdBack"))->text(QAccessible::Name), "Back");
            if (step == Step::Generate && QString(way).contains("Down"))
                QCOMPARE(
                    reader(w.find("cmbClient"))->relations(QAccessible::Label).value(0).first->text(QAccessible::Name),
                    "Game Client: StarCraft");
        }
    }

    // Done ends the program, starting QelBot3.exe only when asked to: detached, from its folder, minimized; a bot that
    // cannot start is named with the reason. Elsewhere than on Windows, a Windows QelBot3.exe starts through Wine;
    // without Wine, the box says what the bot is and what starts it.
    void doneStartsTheBotWhenAsked_data() {
        QTest::addColumn<QString>("bot"); // what is in the folder as QelBot3.exe
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("wine"); // Wine on the PATH
        QTest::addColumn<QString>("box");
        QTest::newRow("not asked") << QEL_FAKE_BOT << false << false << "";
        QTest::newRow("no bot") << "" << true << false << "The bot could not be started";
        QTest::newRow("bot") << QEL_FAKE_BOT << true << false << "";
#ifdef QEL_WINDOWS_BOT
        QTest::newRow("Windows bot, Wine") << QEL_WINDOWS_BOT << true << true << "";
        QTest::newRow("Windows bot, no Wine") << QEL_WINDOWS_BOT << true << false << "a Windows program";
#endif
    }
    void doneStartsTheBotWhenAsked() {
        QFETCH(QString, bot);
        QFETCH(bool, ticked);
        QFETCH(bool, wine);
        QFETCH(QString, box);
        if (wine && QStandardPaths::findExecutable("wine").isEmpty())
            QSKIP("Wine is not installed");
        WizardDriver& w = wizard();
        const QString program = w.folder() + "/QelBot3.exe", ran = w.folder() + "/ran.txt";
        if (!bot.isEmpty())
            QVERIFY(QFile::copy(bot, program));
        QVERIFY(w.reachStep(Step::Finished));
        if (!ticked)
            QVERIFY(w.play(">chkStartBot Space"));
        QTemporaryDir noPrograms;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", wine ? path : QFile::encodeName(noPrograms.path()));
        w.platform.answers = QList<MessageAnswer>(box.isEmpty() ? 0 : 1, MessageAnswer::Ok);
        w.next(); // Done
        qputenv("PATH", path);
        QCOMPARE(w.platform.starts, ticked ? QStringList({program, w.folder()}) : QStringList());
        QCOMPARE(w.platform.endCalls, 1);
        if (!box.isEmpty())
            QVERIFY(explains(w.platform.boxes.value(0), program) && w.platform.boxes.value(0).text.contains(box));
        if (!box.isEmpty() || !ticked)
            return;
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ran), 180000); // a first start under Wine makes its prefix
        const QStringList said = QString::fromLocal8Bit(readAll(ran)).remove(u'\r').split(u'\n');
        QString ranIn = said.value(0).replace(u'\\', u'/');
#ifdef Q_OS_UNIX
        ranIn.remove(QRegularExpression("^Z:")); // Wine's drive for the root
#endif
        QCOMPARE(QDir(ranIn).canonicalPath(), QDir(w.folder()).canonicalPath());
        QVERIFY(said.value(1).toLongLong() != QCoreApplication::applicationPid()); // detached, not our child
#ifdef Q_OS_WIN
        QCOMPARE(said.value(2), u"2"_s); // SW_SHOWMINIMIZED
#endif
    }

    // Each field's explanation, word for word: what its "?" shows (on Global Settings, the text beside the box) and
    // what a screen reader gives as the field's description.
    void helpTextsAreTheFieldsDescriptions_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("shownBy"); // the "?" button, or the label beside the box
        QTest::addColumn<QString>("text");
        const std::array<const char*, 3> rows[]{
            {"txtMaster", "Label4_0",
             "The bot master is the owner of the bot.  Fill your name in here so you will be able to control your "
             "bot."},
            {"txtTrigger", "Label4_1",
             "The bot trigger is the prefix that you place before commands.  This tell the bot not only that you are "
             "giving a command, but that you are giving a command to that bot.  They are one character long.  For "
             "example, if your trigger is !, to get the bot to say a message, you would send !say message."},
            {"txtBot_0", "cmdInfo_0", "This is the username that the bot will use to connect to Battle.Net."},
            {"txtBot_1", "cmdInfo_1", "This is the password for the Battle.Net username."},
            {"cmbServer", "cmdInfo_2",
             "This is the Battle.Net server which the bot will connect to.  Choose your gateway from the list."},
            {"txtBot_2", "cmdInfo_3",
             "This is the CD-Key which the bot will use to connect to Battle.Net.  It must be a valid key for the game "
             "below."},
            {"cmbClient", "cmdInfo_4",
             "This is the game that the bot will pretend to be when it connects to Battle.Net."},
            {"txtBot_3", "cmdInfo_5", "This is the channel the bot will join when it connects to Battle.Net."},
            {"chkDisplay", "cmdInfo_6",
             "Check this box and Qel will open a window that shows the channel the bot is in."},
        };
        for (const auto& [field, shownBy, text] : rows)
            QTest::newRow(field) << field << shownBy << text;
    }
    void helpTextsAreTheFieldsDescriptions() {
        QFETCH(QString, field);
        QFETCH(QString, shownBy);
        QFETCH(QString, text);
        WizardDriver& w = wizard();
        QVERIFY(w.reachStep(Step::BotInformation));
        QCOMPARE(reader(w.find(field))->text(QAccessible::Description), text);
        if (shownBy.startsWith(u"Label")) {
            QCOMPARE(w.text(shownBy), text);
            return;
        }
        w.platform.answers = {MessageAnswer::Ok};
        w.click(shownBy);
        QCOMPARE(w.platform.boxes, QList<Box>({{MessageStyle::Information, text}}));
    }

    // A screen reader names each input by its caption and describes it by its explanation, reading the page top down:
    // caption, input, "?" button. The caption that reaches under its input leaves
    // the mouse to the input. Tab visits the inputs, then the "?" buttons, then the banner and the buttons, and around.
    void botPageReadsAndTabsInOrder() {
        WizardDriver& w = wizard();
        QVERIFY(w.reachStep(Step::BotInformation));
        const QList<std::pair<const char*, const char*>> captions{
            {"lblGlobalCap_0", "txtMaster"}, {"lblGlobalCap_1", "txtTrigger"}, {"lblGlobalCap_3", "txtBot_0"},
            {"lblGlobalCap_2", "txtBot_1"},  {"lblGlobalCap_4", "cmbServer"},  {"lblGlobalCap_5", "txtBot_2"},
            {"lblGlobalCap_6", "cmbClient"}, {"lblGlobalCap_7", "txtBot_3"},   {"lblGlobalCap_8", "chkDisplay"}};
        for (const auto& [captionName, inputName] : captions) {
            QWidget *input = w.find(inputName), *caption = w.find(captionName);
            QAccessibleInterface* page = reader(input->parentWidget());
            QCOMPARE(page->indexOfChild(reader(input)), page->indexOfChild(reader(caption)) + 1);
            const auto labels = reader(input)->relations(QAccessible::Label);
            QVERIFY2(labels.size() == 1 && labels[0].first == reader(caption), inputName);
            QWidget* hit = input->parentWidget()->childAt(input->pos() + QPoint(2, input->height() / 2));
            QVERIFY2(hit == input || input->isAncestorOf(hit), inputName);
        }
        const char* const helped[]{"txtBot_0",  "txtBot_1", "cmbServer", "txtBot_2",
                                   "cmbClient", "txtBot_3", "chkDisplay"};
        for (int i = 0; i < 7; ++i) {
            QWidget *input = w.find(helped[i]), *help = w.find(QStringLiteral("cmdInfo_%1").arg(i));
            QAccessibleInterface* page = reader(input->parentWidget());
            QCOMPARE(page->indexOfChild(reader(help)), page->indexOfChild(reader(input)) + 1);
        }
        const QStringList order{"txtBot_0",   "txtBot_1",  "cmbServer", "txtBot_2",  "cmbClient", "txtBot_3",
                                "chkDisplay", "cmdInfo_0", "cmdInfo_1", "cmdInfo_2", "cmdInfo_3", "cmdInfo_4",
                                "cmdInfo_5",  "cmdInfo_6", "Picture1",  "cmdCancel", "cmdBack",   "cmdNext"};
        QStringList visited;
        w.find(order[0])->setFocus();
        while (visited.size() < 2 * order.size()) {
            visited << w.focusName();
            // Whatever has the focus is something a screen reader can say: it has a name, or a caption that labels
            // it (the text box inside the server's drop-down is read with the drop-down, which has the caption).
            QAccessibleInterface* focused = reader(w.find(visited.last()));
            QVERIFY2(!focused->text(QAccessible::Name).isEmpty() || !focused->relations(QAccessible::Label).isEmpty(),
                     qPrintable(visited.last()));
            QVERIFY(w.play("Tab"));
        }
        QCOMPARE(visited, order + order);
        // The server's text box, which has the focus while its drop-down has it, is named as the drop-down on Windows,
        // where UI Automation reports the focus on the box; elsewhere the drop-down names it, and the name is said
        // once.
#ifdef Q_OS_WIN
        QAccessibleInterface* server = reader(w.find("cmbServer"));
#endif
        QAccessibleInterface* serverText = reader(w.find<QComboBox>("cmbServer")->lineEdit());
#ifdef Q_OS_WIN
        QCOMPARE(serverText->text(QAccessible::Name), u"Server:"_s);
        QCOMPARE(serverText->text(QAccessible::Description), server->text(QAccessible::Description));
#else
        QCOMPARE(serverText->text(QAccessible::Name), QString());
#endif
    }

    // Each separator line shows, whatever the screen's scale (CTest runs this at 125%, 150% and 200% too). Every text
    // fits its control in the font the control really gets, Tahoma's stand-in included, and only the captions and the
    // wizard's name are bold; a page text that needed a pixel more stays inside its page and clear of the controls
    // beside it.
    void everythingShowsWhole() {
        WizardDriver& w = wizard();
        w.next(); // Global Settings has both lines
        const QImage image = w.window.grab().toImage();
        const qreal scale = image.devicePixelRatio();
        for (const char* name : {"Line2", "Line1"}) {
            const QWidget* line = w.find(name);
            const QRectF pixels(QPointF(line->mapTo(&w.window, QPoint())) * scale, QSizeF(line->size()) * scale);
            int darkRows = 0;
            for (int y = int(pixels.top()); y < int(std::ceil(pixels.bottom())); ++y)
                darkRows += qGray(image.pixel(int(pixels.center().x()), y)) < 100;
            QVERIFY2(darkRows > 0, name);
        }
        if (QFontInfo(w.window.font()).family().isEmpty())
            QSKIP("this platform plugin has no fonts to measure with");
        QVERIFY(w.reachStep(Step::Finished)); // a page's texts are measured when it first shows
        const QRegularExpression bold("^(lblGlobalCap_[0-8]|Label1)$");
        int shown = 0;
        for (QWidget* widget : w.window.findChildren<QWidget*>()) {
            const QString text = widget->property("text").toString();
            if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_") || text.isEmpty())
                continue;
            ++shown;
            QCOMPARE(widget->font().bold(), bold.match(widget->objectName()).hasMatch());
            const QFontMetrics metrics(widget->font());
            QSize needed = metrics.size(Qt::TextSingleLine, text) + QSize(4, 0);
            if (auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap()) {
                needed = metrics.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, text).size();
                QVERIFY(label->parentWidget()->rect().contains(label->geometry()));
                for (QWidget* sibling : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    QVERIFY(sibling == label || !sibling->geometry().intersects(label->geometry()));
            }
            QVERIFY2(qobject_cast<QCheckBox*>(widget) || widget->rect().size().expandedTo(needed) == widget->size(),
                     qPrintable(widget->objectName() + " needs more in " + QFontInfo(widget->font()).family()));
        }
        QCOMPARE(shown, 38); // every label, button, check box and text box with a text
    }

    // On the bot page a list opened with Alt+Down starts at its first entry, as a native drop-down does; in an open
    // list, Enter picks the highlighted entry and Esc closes the list, without pressing Next or Cancel.
    void theBotPageTakesTheKeysAtOnce() {
        WizardDriver& w = wizard();
        w.next();
        QVERIFY(w.play(">txtMaster 'o' Return")); // to the bot page, nothing chosen
        for (const char* name : {"cmbServer", "cmbClient"}) {
            auto* list = w.find<QComboBox>(name);
            list->setFocus();
            for (const char* keys : {"Down Return", "Down Escape"}) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
                QTRY_VERIFY(list->view()->isVisible());
                QVERIFY(w.play(keys));
                QTRY_VERIFY(!list->view()->isVisible());
            }
        }
        QVERIFY(!w.find<QComboBox>("cmbClient")->isEditable());
        QCOMPARE(w.text("cmbServer"), u"useast.battle.net"_s);
        QCOMPARE(w.text("cmbClient"), u"StarCraft"_s);
        QCOMPARE(w.window.currentStep(), Step::BotInformation);
        QCOMPARE(w.platform.boxes, QList<Box>());
    }

    // Which warnings each answer raises, in which order, where the focus goes and whether a bot is captured; without a
    // bot to write, Generate says so and writes nothing. A bot left out for its server can be corrected.
    void warningsAndCapture_data() {
        QTest::addColumn<QString>("keys"); // from Global Settings, where the trigger holds "!"
        QTest::addColumn<QString>("warnings");
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("captured");
        auto row = [](const char* name, QString keys, QString warnings, Step step, QString focus, int captured) {
            QTest::newRow(name) << keys << warnings << step << focus << captured;
        };
        const QString master = "@txtMaster 'o' Return ",
                      full =
                          "@txtBot_0 'b' @txtBot_1 'p' @cmbServer 'x' @txtBot_2 'k-1 2' @cmbClient Down @txtBot_3 'h' "
                          "Return",
                      serverGone = master + full + " >cmdBack Return @cmbServer Backspace Return Return";
        const QString noBot =
            "|No bot has been added yet.  Please go Back and enter at least a server and a game client.";
        const Step bots = Step::BotInformation, global = Step::GlobalSettings, generate = Step::Generate;
        row("no master", "Return", "Please enter a bot master.", global, "txtMaster", 0);
        row("no trigger", "@txtMaster 'o' @txtTrigger Backspace Return", "Please enter a bot trigger.", global,
            "txtTrigger", 0);
        row("neither", "@txtTrigger Backspace Return", "Please enter a bot master.", global, "txtMaster", 0);
        row("blanks are answers",
            "@txtMaster ' ' @txtTrigger Backspace ' ' Return @txtBot_0 ' ' @txtBot_1 ' ' @cmbServer ' ' @txtBot_2 ' - "
            "' "
            "@cmbClient Down @txtBot_3 ' ' Return",
            "", generate, "Picture1", 1);
        row("empty bot boxes", master + "@cmbServer 'x' @cmbClient Down Return",
            "Please enter a bot username.|Please enter a bot password.|Please enter a bot CD-Key.|Please enter a bot "
            "home channel.",
            generate, "Picture1", 1);
        row("no server, client unasked",
            master + "@txtBot_0 'b' @txtBot_1 'p' @txtBot_2 'k' @txtBot_3 'h' Return Return",
            "Please enter or choose a server." + noBot, generate, "Picture1", 0);
        row("no client",
            master + "@txtBot_0 'b' @txtBot_1 'p' @cmbServer 'x' @txtBot_2 'k' @txtBot_3 'h' Return Return",
            "Please choose a game client." + noBot, generate, "Picture1", 0);
        row("server gone on going Back", serverGone, "Please enter or choose a server." + noBot, generate, "Picture1",
            0);
        row("server given again", serverGone + " >cmdBack Return @cmbServer 'y' Return Return",
            "Please enter or choose a server." + noBot, Step::Finished, "Picture1", 1);
        row("all given", master + full, "", generate, "Picture1", 1);
        row("back to the bot", master + full + " >cmdBack Return", "", bots, "txtBot_0", 1);
    }
    void warningsAndCapture() {
        QFETCH(QString, keys);
        QFETCH(QString, warnings);
        QFETCH(Step, step);
        QFETCH(QString, focus);
        QFETCH(int, captured);
        WizardDriver& w = wizard();
        QList<Box> expected;
        for (const QString& text : warnings.split(u'|', Qt::SkipEmptyParts))
            expected << Box{MessageStyle::Warning, text};
        w.platform.answers = QList<MessageAnswer>(expected.size(), MessageAnswer::Ok);
        w.next();
        QVERIFY(w.play(keys));
        QCOMPARE(w.platform.boxes, expected);
        QCOMPARE(w.window.currentStep(), step);
        QCOMPARE(w.visiblePages(), QList<Step>{step});
        QCOMPARE(w.focusName(), focus);
        QCOMPARE(w.window.bots().size(), captured);
        QCOMPARE(QFile::exists(w.configPath()), step == Step::Finished);
    }

    // Whatever is typed or pasted goes into config.txt whole, whatever its length, and nowhere else: the program logs
    // none of it, passwords and CD-keys included.
    void answersGoIntoConfigWholeAndNowhereElse() {
        static QStringList logged;
        const QtMessageHandler testlib =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { logged << text; });
        const auto restoreLog = qScopeGuard([testlib] { qInstallMessageHandler(testlib); });
        WizardDriver& w = wizard();
        QGuiApplication::clipboard()->setText(QString(100000, u'x'));
        w.next();
        QVERIFY(w.play("@txtMaster Paste"));
        w.next();
        QVERIFY(
            w.play("@txtBot_0 Paste @txtBot_1 Paste @cmbServer Paste @txtBot_2 Paste @cmbClient Down @txtBot_3 Paste"));
        w.next();
        w.next();
        // The master, the username in the bot's first line, password, server, CD-key, home channel and register.
        QCOMPARE(readAll(w.configPath()).count(QByteArray(100000, 'x')), 7);
        QVERIFY(!logged.join(u'\n').contains(u"xxxx"));
    }

#ifdef Q_OS_UNIX
    // The executable's folder, as the file system spells it ("%1" is a new folder holding "jos\u00e9" and the
    // Latin-1 "caf\xe9"): absolute, existing and text, or refused with a reason, never taken for another folder.
    void folderOfExecutable_data() {
        QTest::addColumn<QByteArray>("executable");
        QTest::addColumn<QString>("folder"); // empty where it is refused
        QTest::newRow("no folder") << QByteArray("QelWizard") << "";
        QTest::newRow("relative") << QByteArray("bin/QelWizard") << "";
        QTest::newRow("missing") << QByteArray("%1/none/QelWizard") << "";
        QTest::newRow("beyond ASCII") << QByteArray("%1/jos\xc3\xa9/QelWizard") << u"%1/jos\u00e9"_s;
        QTest::newRow("not text") << QByteArray("%1/caf\xe9/QelWizard") << "";
    }
    void folderOfExecutable() {
        QFETCH(QByteArray, executable);
        QFETCH(QString, folder);
        QTemporaryDir root;
        const QByteArray rootBytes = QFile::encodeName(root.path());
        for (const QByteArray name :
             {"/jos\xc3\xa9", "/caf\xe9", "/caf\xef\xbf\xbd"}) // the last as Qt reads the second
            QCOMPARE(mkdir(rootBytes + name, 0700), 0);
        const Outcome outcome = ::folderOfExecutable(executable.replace("%1", rootBytes));
        QCOMPARE(outcome.ok ? outcome.path : QString(), folder.isEmpty() ? QString() : folder.arg(root.path()));
        QCOMPARE(outcome.error.isEmpty(), outcome.ok);
    }

    // The wizard's folder is its executable's, never the working folder. A folder whose name is not text cannot be
    // named: Generate says so and nothing is written or started anywhere else, not in the working folder either.
    void unnamableFolderIsNeverReplacedByAnother() {
        WizardDriver& w = wizard();
        QTemporaryDir root, working;
        const QByteArray folder = QFile::encodeName(root.path()) + "/caf\xe9";
        QCOMPARE(mkdir(folder.constData(), 0700), 0);
        QVERIFY(QDir(root.path()).mkdir(u"caf\ufffd"_s)); // what Qt would make of the name, as a real folder
        QDir::setCurrent(working.path());
        QCOMPARE(QtPlatform().executableFolder().path, QCoreApplication::applicationDirPath());
        QVERIFY(QFile::copy(QEL_FAKE_BOT, "QelBot3.exe"));
        QVERIFY(w.reachStep(Step::Generate));
        w.platform.executable = folder + "/QelWizard";
        w.platform.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
        w.next(); // Generate
        QVERIFY(explains(w.platform.boxes.value(0), root.path() + "/caf\ufffd/config.txt"));
        QCOMPARE(w.window.currentStep(), Step::Generate);
        w.platform.executable.clear(); // Generate where it can, then lose the folder before Done
        w.next();
        w.platform.executable = folder + "/QelWizard";
        w.next(); // Done
        QVERIFY(explains(w.platform.boxes.value(1), root.path() + "/caf\ufffd/QelBot3.exe"));
        QCOMPARE(w.platform.starts, QStringList());
        QCOMPARE(w.platform.endCalls, 1);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{"QelBot3.exe"});
        QCOMPARE(QDir(root.path() + u"/caf\ufffd"_s).entryList(QDir::Files), QStringList());
    }
#endif
};

QTEST_MAIN(WizardTest)
#include "test_wizard.moc"
