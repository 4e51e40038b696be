// The scripted test platform.
#include "scriptedplatform.h"

#include <QTest>

ScriptedPlatform::ScriptedPlatform() {
    if (!m_folder.isValid())
        QTest::qFail("cannot create the temporary executable folder", __FILE__, __LINE__);
}

MessageAnswer ScriptedPlatform::messageBox(const QString& text, const QString& title, MessageStyle style) {
    RecordedBox box{text, title, static_cast<int>(style), nullptr, nullptr};
    if (m_window) {
        box.focus = m_window->focusWidget();
        for (int i = 0; i < 5; ++i) {
            auto* page = m_window->findChild<QWidget*>(QStringLiteral("fraBody_%1").arg(i));
            if (page && page->isVisibleTo(m_window))
                box.shownPage = page;
        }
    }
    boxes.append(box);
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("message box nobody scripted: ") + text), __FILE__, __LINE__);
        return style == MessageStyle::Question ? MessageAnswer::No : MessageAnswer::Ok;
    }
    return m_answers.dequeue();
}

Outcome ScriptedPlatform::startProgram(const QString& program, const QString& workingFolder, ShowState show) {
    starts.append({program, workingFolder, static_cast<int>(show)});
    return m_real.startProgram(program, workingFolder, show);
}
