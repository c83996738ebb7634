#pragma once

class QWidget;

// The About box over `window`: the program's name, version and comment, its copyright and
// licence, and how it uses Qt.
void showAboutBox(QWidget* window);
