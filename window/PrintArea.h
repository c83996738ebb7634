#pragma once

#include <QWidget>

class PrintSurface;

// The part of the window that the numbers are printed on, as assistive technology sees it:
// a static text whose text is exactly the printed lines. It covers the client area below the
// controls, draws nothing of its own (the window paints the text) and lets every mouse event
// through to the window.
class PrintArea : public QWidget
{
    Q_OBJECT

public:
    PrintArea(const PrintSurface& surface, QWidget* window);

    QString text() const;

    // Tells assistive technology that the printed text changed, so a screen reader reads it.
    void announceChange();

signals:
    // Sent with each announcement, also where no screen reader listens.
    void changeAnnounced();

private:
    const PrintSurface& surface_;
};
