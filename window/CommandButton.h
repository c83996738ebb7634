#pragma once

#include <QPushButton>

// One of the window's three command buttons: a flat salmon face with a raised edge, a
// bold caption, and Enter as well as Space to press it from the keyboard.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    CommandButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
