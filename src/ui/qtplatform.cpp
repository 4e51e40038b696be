// The platform seam on top of Qt, as every system has it: message boxes, folders, quitting and Qt's translation.
#include "ui/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QWidget>

namespace {

QMessageBox::Icon iconOf(MessageStyle style) {
    switch (style) {
    case MessageStyle::Critical: return QMessageBox::Critical;
    case MessageStyle::Question: return QMessageBox::Question;
    case MessageStyle::Warning: return QMessageBox::Warning;
    case MessageStyle::Information: return QMessageBox::Information;
    }
    Q_UNREACHABLE();
}

} // namespace

Outcome existingFolder(const QString& folder) {
    Outcome result{QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir(), QDir::fromNativeSeparators(folder), {}};
    if (!result.ok)
        result.error =
            QCoreApplication::translate("Platform", "The wizard cannot find the folder it was started from.");
    return result;
}

Outcome folderOfExecutable(const QByteArray& nativePath) {
    const QByteArray folder = nativePath.left(nativePath.lastIndexOf('/'));
    const QString name = QFile::decodeName(folder);
    if (QFile::encodeName(name) == folder)
        return existingFolder(name);
    return {false, name,
            QCoreApplication::translate(
                "Platform", "The name of this folder is not text on this system, so the wizard cannot name it.  Move "
                            "the wizard and the bot to a folder with a plain name.")};
}

MessageAnswer Platform::tell(QWidget* from, const QString& text, MessageStyle style) {
    QWidget* window = from->window();
    return messageBox(window, text, window->windowTitle(), style);
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::messageBox(QWidget* over, const QString& text, const QString& title, MessageStyle style) {
    const bool yesNo = style == MessageStyle::Question;
    QMessageBox box(iconOf(style), title, text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, over);
    // The program's font is the form's; message boxes speak in the system's own, as native ones do.
    box.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    soundFor(style);
    const int answer = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::unique_ptr<QTranslator> installQtTranslation(const QLocale& locale) {
    // A direction set by the program is one a translation does not change: Qt's Arabic, Hebrew and Persian ones would
    // otherwise turn the window and its boxes round.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    auto translation = std::make_unique<QTranslator>();
    if (!translation->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), qtTranslationsFolder()))
        return nullptr;
    QCoreApplication::installTranslator(translation.get());
    return translation;
}

void QtPlatform::endProgram() {
    QCoreApplication::exit(0);
}
