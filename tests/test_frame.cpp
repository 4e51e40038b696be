// QelWizard.exe as Windows shows it: an owned window without a task-bar button of its own, a fixed frame without
// minimize and maximize boxes whose close box ends the program, and the program's icon in the executable. (The window's
// own icon is tested in test_wizard, as Wine does not answer WM_GETICON from another process; the version resource by
// scripts/release.sh.)
#include <QTest>

#include <windows.h>

class FrameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowAndExecutableAsDesigned() {
        const std::wstring program = QStringLiteral(QEL_WIZARD).toStdWString();
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::wstring commandLine = L"\"" + program + L"\"";
        QVERIFY(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
        HWND window = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((window = FindWindowW(nullptr, L"Qel Configuration Wizard")) != nullptr, 60000);
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE), extended = GetWindowLongPtrW(window, GWL_EXSTYLE);
        const bool owned = GetWindow(window, GW_OWNER) != nullptr;
        PostMessageW(window, WM_CLOSE, 0, 0); // the title bar's close box
        const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
        TerminateProcess(process.hProcess, 0);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        QVERIFY(ended);
        QVERIFY(owned);
        QVERIFY(!(extended & WS_EX_APPWINDOW));
        QVERIFY(!(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)));
        QVERIFY(style & WS_SYSMENU); // the close box
        QVERIFY(ExtractIconExW(program.c_str(), -1, nullptr, nullptr, 0) >= 1);
    }
};

QTEST_APPLESS_MAIN(FrameTest)
#include "test_frame.moc"
