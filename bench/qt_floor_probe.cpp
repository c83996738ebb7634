#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <cstring>

// The floors KRIMVEL's launch is measured against, in a program that links Qt Widgets and
// nothing else: a plain window of KRIMVEL's size, shown as KRIMVEL shows itself (centred and
// active), the least any Qt program of this kind can take to its first frame. With "peer",
// the same window with one QLabel and one QPushButton in Qt's own font and style: the least
// any Qt program with text and a button can take.
int main(int argc, char* argv[])
{
    const bool peer = argc > 1 && std::strcmp(argv[1], "peer") == 0;
    QApplication application(argc, argv);
    QWidget window;
    window.resize(553, 354);
    if (peer) {
        auto* label = new QLabel(QStringLiteral("KRIMVEL"), &window);
        label->setGeometry(184, 24, 185, 25);
        auto* button = new QPushButton(QStringLiteral("KOMPJUTER"), &window);
        button->setGeometry(0, 0, 81, 24);
        button->setFocus();
    }
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    window.activateWindow();
    window.raise();
    return QApplication::exec();
}
