// What a screen reader on Windows hears of QelWizard.exe driven by the keyboard alone: the UI Automation focus events
// that NVDA and Narrator act on, received in another process through the COM client, as they receive them. After each
// page change and each message box, the last focus event is for the control that has the keyboard focus, reads out the
// new page (as its description, or as the page it is in), and is not the element of the focus event before it, which
// NVDA would drop as a repeat. Under Wine, UI Automation's events come with Wine 10; Wine 8 sends none.
#include <QDir>
#include <QElapsedTimer>
#include <QMutex>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

#include <uiautomation.h>

#include <cstdlib>
#include <memory>
#include <tuple>

namespace {

// A focus event as a screen reader reads it, at once: the element's name and description, the name of the element it
// is in, whether it has the keyboard focus, and the element itself.
struct Heard {
    QString name, description;
    bool keyboardFocus = false;
    IUIAutomationElement* element = nullptr; // held until the test ends

    QString toString() const {
        return QStringLiteral("[%1] %2 | %3").arg(keyboardFocus ? "focus" : "-", name, description);
    }
};

QString taken(BSTR text) {
    QString result = text ? QString::fromWCharArray(text, SysStringLen(text)) : QString();
    SysFreeString(text);
    return result;
}

// Takes every focus event into a list; its lifetime is the test's, so the count of references is not kept.
class FocusListener final : public IUIAutomationFocusChangedEventHandler {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid != __uuidof(IUnknown) && iid != __uuidof(IUIAutomationFocusChangedEventHandler)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* sender) override {
        // What a screen reader reads comes with the event (its cache request); the element is kept for later.
        Heard heard;
        BSTR text = nullptr;
        if (SUCCEEDED(sender->get_CachedName(&text)))
            heard.name = taken(text);
        if (SUCCEEDED(sender->get_CachedClassName(&text)))
            heard.name += " <" + taken(text) + ">";
        VARIANT description;
        VariantInit(&description);
        if (SUCCEEDED(sender->GetCachedPropertyValue(UIA_FullDescriptionPropertyId, &description)) &&
            description.vt == VT_BSTR)
            heard.description = QString::fromWCharArray(description.bstrVal);
        VariantClear(&description);
        BOOL focused = FALSE;
        sender->get_CachedHasKeyboardFocus(&focused);
        heard.keyboardFocus = focused;
        sender->AddRef();
        heard.element = sender;
        QMutexLocker lock(&m_mutex);
        m_heard << heard;
        return S_OK;
    }

    // The events so far.
    QList<Heard> heard() {
        QMutexLocker lock(&m_mutex);
        return m_heard;
    }

private:
    QMutex m_mutex;
    QList<Heard> m_heard;
};

// Presses keys in the window that has the keyboard, each given by its virtual-key code ('\t' Tab, '\r' Enter, ' '
// Space,
// '\x1b' Esc, '\x28' Down), lower-case letters as themselves.
void press(HWND window, const char* keys) {
    for (const char* c = keys; *c; ++c) {
        const WORD key = static_cast<WORD>(*c >= 'a' && *c <= 'z' ? *c - 'a' + 'A' : *c);
        const LPARAM scan = LPARAM(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(window, WM_KEYDOWN, key, scan | 1);
        if (*c >= 'a' && *c <= 'z')
            PostMessageW(window, WM_CHAR, WPARAM(*c), scan | 1);
        PostMessageW(window, WM_KEYUP, key, scan | 1 | (LPARAM(3) << 30));
        Sleep(80);
    }
}

const char* wineVersion() {
    using Version = const char*(CDECL*)();
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
    auto version = reinterpret_cast<Version>(reinterpret_cast<void (*)()>(found)); // Wine's own, named by its name
    return version ? version() : nullptr;
}

} // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT

    IUIAutomation* m_automation = nullptr;
    std::unique_ptr<FocusListener> m_listener;
    qsizetype m_seen = 0; // events of the steps before

    // Waits until the events have stopped coming for a while, and returns those since the last wait.
    QList<Heard> settled() {
        QElapsedTimer quiet;
        quiet.start();
        for (qsizetype count = m_listener->heard().size(); quiet.elapsed() < 1500;) {
            QTest::qSleep(100);
            if (const qsizetype now = m_listener->heard().size(); now != count) {
                count = now;
                quiet.restart();
            }
        }
        const QList<Heard> all = m_listener->heard();
        QList<Heard> fresh = all.mid(m_seen);
        m_seen = all.size();
        for (const Heard& heard : fresh)
            qInfo("heard %s", qPrintable(heard.toString()));
        return fresh;
    }

    // The last focus event of a step is for the element that has the keyboard focus, and is not the event before.
    bool lastIsTheFocus(const QList<Heard>& fresh, const Heard& before) {
        if (fresh.isEmpty())
            return QTest::qVerify(false, "fresh", "no focus event", __FILE__, __LINE__);
        BOOL repeated = FALSE;
        if (before.element)
            m_automation->CompareElements(before.element, fresh.last().element, &repeated);
        return QTest::qVerify(fresh.last().keyboardFocus, "focused", qPrintable(fresh.last().toString()), __FILE__,
                              __LINE__) &&
               QTest::qVerify(!repeated, "!repeated", qPrintable("a repeat: " + fresh.last().toString()), __FILE__,
                              __LINE__);
    }

private Q_SLOTS:
    void initTestCase() {
        const char* wine = wineVersion();
        if (wine && std::atoi(wine) < 10)
            QSKIP(qPrintable(QStringLiteral("Wine %1 sends no UI Automation events; Wine 10 does").arg(wine)));
        QCOMPARE(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        QCOMPARE(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IUIAutomation),
                                  reinterpret_cast<void**>(&m_automation)),
                 S_OK);
        m_listener = std::make_unique<FocusListener>();
        IUIAutomationCacheRequest* reads = nullptr;
        QCOMPARE(m_automation->CreateCacheRequest(&reads), S_OK);
        for (PROPERTYID property : {UIA_NamePropertyId, UIA_ClassNamePropertyId, UIA_FullDescriptionPropertyId,
                                    UIA_HasKeyboardFocusPropertyId})
            reads->AddProperty(property);
        QCOMPARE(m_automation->AddFocusChangedEventHandler(reads, m_listener.get()), S_OK);
        reads->Release();
    }

    // Every page by the keyboard, a Cancel answered No and a warning on the way, to Done.
    void everyPageChangeIsHeard() {
        // A folder of its own, where config.txt is written.
        QTemporaryDir folder;
        const QString program = folder.filePath("QelWizard.exe");
        QVERIFY(QFile::copy(QStringLiteral(QEL_WIZARD), program));
        const std::wstring path = QDir::toNativeSeparators(program).toStdWString();
        std::wstring commandLine = L"\"" + path + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        QVERIFY(CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
        const auto ended = qScopeGuard([&process] {
            TerminateProcess(process.hProcess, 0);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        });
        HWND window = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((window = FindWindowW(nullptr, L"Qel Configuration Wizard")) != nullptr, 60000);
        SetForegroundWindow(window);
        {
            RECT r{};
            GetWindowRect(window, &r);
            SetCursorPos(r.left + 200, r.top + 50);
            INPUT click[2]{};
            click[0].type = click[1].type = INPUT_MOUSE;
            click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
            click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
            SendInput(2, click, sizeof(INPUT));
            Sleep(1000);
        }
        // As a screen reader meets a new window: its element, which makes the program speak UI Automation.
        IUIAutomationElement* element = nullptr;
        QCOMPARE(m_automation->ElementFromHandle(window, &element), S_OK);
        BSTR text = nullptr;
        element->get_CurrentName(&text);
        QCOMPARE(taken(text), QStringLiteral("Qel Configuration Wizard"));
        element->Release();
        QList<Heard> fresh = settled(); // the window, as it opens

        // keys, then what the last focus event reads out: the focused control's name or description, or the page it
        // is in
        enum Reads { Name, Description };
        const std::tuple<const char*, Reads, const char*> steps[]{
            {"\r", Description, "Step 1: Global Settings\n"},
            {"\x1b", Name, "Yes"},                              // Cancel asks
            {"\x1b", Description, "Step 1: Global Settings\n"}, // No
            {"\t\t\t\towner\r", Name, "Username:"},
            {"bot\tpw\t", Name, "Server:"},
            {"useast\tab\t\x28\t\r", Name, "OK"},                // no home channel: a warning
            {"\r", Description, "Step 3: Generate Config File"}, // the page's text is read with the window
            {"\t\t ", Name, "Username:"},                        // Back on the bar
            {"\t\t\t\t\thome\r", Description, "Step 3: Generate Config File\n"},
            {"\r", Description, "Finished!\n"}, // from the banner, where the focus stays
        };
        for (const auto& [keys, reads, text] : steps) {
            const Heard before = m_listener->heard().value(m_seen - 1);
            press(window, keys);
            fresh = settled();
            {
                IUIAutomationElement* root = nullptr;
                m_automation->ElementFromHandle(window, &root);
                IUIAutomationCondition* all = nullptr;
                m_automation->CreateTrueCondition(&all);
                IUIAutomationElementArray* found = nullptr;
                root->FindAll(TreeScope_Descendants, all, &found);
                int n = 0;
                if (found) found->get_Length(&n);
                for (int i = 0; i < n; ++i) {
                    IUIAutomationElement* e = nullptr;
                    found->GetElement(i, &e);
                    BSTR t = nullptr;
                    e->get_CurrentName(&t);
                    BOOL f = FALSE;
                    e->get_CurrentHasKeyboardFocus(&f);
                    const QString name = taken(t);
                    if (f || name.startsWith("Step"))
                        qInfo("  tree %s %d", qPrintable(name.left(40)), f);
                }
            }
            QVERIFY(lastIsTheFocus(fresh, before));
            const Heard& last = fresh.last();
            const QString& said = reads == Name ? last.name : last.description;
            QVERIFY2(said.startsWith(QLatin1String(text)), qPrintable(QLatin1String(text) + " in " + last.toString()));
        }
        press(window, "\r"); // Done ends the program

        QVERIFY(WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0);
    }

    void cleanupTestCase() {
        if (m_automation)
            m_automation->RemoveAllEventHandlers();
        for (const Heard& heard : m_listener ? m_listener->heard() : QList<Heard>())
            heard.element->Release();
    }
};

QTEST_APPLESS_MAIN(ScreenReaderTest)
#include "test_screenreader.moc"
