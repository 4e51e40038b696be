// What a screen reader on Windows hears of QelWizard.exe driven by the keyboard alone: the UI Automation focus events
// that NVDA and Narrator act on, received in another process through the COM client, as they receive them. Each page
// change and each message box ends on a focus event for the control that has the keyboard focus, named as a reader
// says it. What the events carry beyond that (the page's words, the element's identity) Wine 10 does not hand on:
// WizardTest::pageChangesAreAnnounced holds it. Wine 8 has no UI Automation client to listen with.
#include <QDir>
#include <QElapsedTimer>
#include <QMutex>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

#include <uiautomation.h>

#include <cstdlib>
#include <utility>

namespace {

// A focus event as its cache request brought it: the element's name, and whether it had the keyboard focus.
struct Heard {
    QString name;
    bool keyboardFocus = false;
};

// Takes every focus event into a list; it lives as long as the test, so the count of references is not kept.
class FocusListener final : public IUIAutomationFocusChangedEventHandler {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = iid == __uuidof(IUnknown) || iid == __uuidof(IUIAutomationFocusChangedEventHandler) ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* sender) override {
        Heard heard;
        BSTR name = nullptr;
        if (SUCCEEDED(sender->get_CachedName(&name)))
            heard.name = QString::fromWCharArray(name, SysStringLen(name));
        SysFreeString(name);
        BOOL focused = FALSE;
        sender->get_CachedHasKeyboardFocus(&focused);
        heard.keyboardFocus = focused;
        QMutexLocker lock(&m_mutex);
        m_heard << heard;
        return S_OK;
    }

    // The events that came since the last call, once they have stopped coming for a while.
    QList<Heard> settled() {
        QElapsedTimer quiet;
        quiet.start();
        for (qsizetype count = size(); quiet.elapsed() < 1500; QTest::qSleep(100)) {
            if (const qsizetype now = size(); now != count) {
                count = now;
                quiet.restart();
            }
        }
        QMutexLocker lock(&m_mutex);
        return std::exchange(m_heard, {});
    }

private:
    qsizetype size() {
        QMutexLocker lock(&m_mutex);
        return m_heard.size();
    }

    QMutex m_mutex;
    QList<Heard> m_heard;
};

// Keys for the window, each by its virtual-key code ('\t' Tab, '\r' Enter, ' ' Space, '\x1b' Esc, '\x28' Down), lower
// case letters as themselves. They are posted to the window: without a window manager, Wine hands the wizard no input.
void press(HWND window, const char* keys) {
    for (const char* c = keys; *c; ++c) {
        const bool letter = *c >= 'a' && *c <= 'z';
        const WORD key = static_cast<WORD>(letter ? *c - 'a' + 'A' : *c);
        const LPARAM scan = LPARAM(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16 | 1;
        PostMessageW(window, WM_KEYDOWN, key, scan);
        if (letter)
            PostMessageW(window, WM_CHAR, WPARAM(*c), scan);
        PostMessageW(window, WM_KEYUP, key, scan | LPARAM(3) << 30);
        Sleep(80);
    }
}

// The process's front window: the wizard, or a box over it. Without a window manager nothing brings a new box to
// the front, so it is brought there as a desktop would.
HWND frontWindow(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found = nullptr;
    } search{processId};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != search->processId || !IsWindowVisible(window))
                return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found && search.found != GetForegroundWindow())
        SetForegroundWindow(search.found);
    return search.found;
}

const char* wineVersion() {
    using Version = const char*(CDECL*)();
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
    return found ? reinterpret_cast<Version>(reinterpret_cast<void (*)()>(found))() : nullptr; // Wine's, by its name
}

} // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT

    IUIAutomation* m_automation = nullptr;
    FocusListener m_listener;

private Q_SLOTS:
    void initTestCase() {
        if (const char* wine = wineVersion(); wine && std::atoi(wine) < 10)
            QSKIP(qPrintable(QStringLiteral("Wine %1 has no UI Automation client; Wine 10 has").arg(wine)));
        QCOMPARE(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        QCOMPARE(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IUIAutomation),
                                  reinterpret_cast<void**>(&m_automation)),
                 S_OK);
        IUIAutomationCacheRequest* reads = nullptr;
        QCOMPARE(m_automation->CreateCacheRequest(&reads), S_OK);
        reads->AddProperty(UIA_NamePropertyId);
        reads->AddProperty(UIA_HasKeyboardFocusPropertyId);
        QCOMPARE(m_automation->AddFocusChangedEventHandler(reads, &m_listener), S_OK);
        reads->Release();
    }

    // Every page by the keyboard, a Cancel answered No and two boxes on the way, to Done.
    void everyPageChangeEndsOnTheFocus() {
        QTemporaryDir folder; // where config.txt is written
        const std::wstring program = QDir::toNativeSeparators(folder.filePath("QelWizard.exe")).toStdWString();
        QVERIFY(CopyFileW(QDir::toNativeSeparators(QStringLiteral(QEL_WIZARD)).toStdWString().c_str(), program.c_str(),
                          TRUE));
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        QVERIFY(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
        const auto ended = qScopeGuard([&process] {
            TerminateProcess(process.hProcess, 0);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        });
        HWND window = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((window = FindWindowW(nullptr, L"Qel Configuration Wizard")) != nullptr, 60000);
        // As a screen reader meets a new window: it asks for its element, and the program starts to speak.
        IUIAutomationElement* element = nullptr;
        QCOMPARE(m_automation->ElementFromHandle(window, &element), S_OK);
        element->Release();
        m_listener.settled();

        // keys, then the name of the control the last focus event is for (nullptr: a box, named by its button or, as it
        // comes to the front, by its title)
        const std::pair<const char*, const char*> steps[]{
            {"\r", "Qel Configuration Wizard"}, // the banner keeps the focus: Step 1
            {"\x1b", nullptr},                  // Cancel asks
            {"\x1b", "Qel Configuration Wizard"},
            {"\t\t\t\towner\r", "Username:"}, // Step 2
            {"bot\tpw\t", "Server:"},
            {"useast\tab\t\x28\t\r", nullptr},  // no home channel: a warning
            {"\r", "Qel Configuration Wizard"}, // Step 3
            {"\t\t ", "Username:"},             // Back on the bar
            {"\t\t\t\t\thome\r", "Qel Configuration Wizard"},
            {"\r", "Qel Configuration Wizard"}, // Finished
            {"\r", nullptr},                    // Done: no bot here to start
        };
        for (const auto& [keys, name] : steps) {
            press(frontWindow(process.dwProcessId), keys);
            Sleep(500);
            frontWindow(process.dwProcessId);
            const QList<Heard> heard = m_listener.settled();
            QVERIFY2(!heard.isEmpty(), keys);
            QVERIFY2(heard.last().keyboardFocus, qPrintable(heard.last().name));
            if (name)
                QCOMPARE(heard.last().name, QString::fromUtf8(name));
        }
        press(frontWindow(process.dwProcessId), "\r");
        QVERIFY(WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0);
    }

    void cleanupTestCase() {
        if (m_automation)
            m_automation->RemoveAllEventHandlers();
    }
};

QTEST_APPLESS_MAIN(ScreenReaderTest)
#include "test_screenreader.moc"
