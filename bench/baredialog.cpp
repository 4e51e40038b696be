// The floor for start-up: a bare Qt Widgets dialog with the wizard's window flags and size, one label, one button.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                                Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral("Bare dialog"));
    QLabel label(QStringLiteral("A bare dialog."), &window);
    label.move(16, 16);
    QPushButton button(QStringLiteral("OK"), &window);
    button.setGeometry(392, 300, 81, 25);
    window.setFixedSize(481, 335);
    window.show();
    return app.exec();
}
