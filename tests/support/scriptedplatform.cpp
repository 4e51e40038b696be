// The scripted test platform.
#include "scriptedplatform.h"

#include <QTest>

ScriptedPlatform::ScriptedPlatform() {
    if (!m_folder.isValid())
        QTest::qFail("cannot create the temporary executable folder", __FILE__, __LINE__);
}

int ScriptedPlatform::MsgBox(const QString& text, const QString& title, int style) {
    RecordedBox box{text, title, style, nullptr, nullptr};
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
        return style == MsgBoxStyle::YesNoQuestion ? MsgBoxAnswer::No : MsgBoxAnswer::Ok;
    }
    return m_answers.dequeue();
}

bool ScriptedPlatform::StartProgram(const QString& program, const QString& workingFolder, int windowStyle,
                                    QString& error) {
    starts.append({program, workingFolder, windowStyle});
    return m_real.StartProgram(program, workingFolder, windowStyle, error);
}
