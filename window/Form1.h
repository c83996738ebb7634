#pragma once

#include "BackgroundPicture.h"
#include "Press.h"

#include <QWidget>
#include <functional>

class CommandButton;
class PrintArea;
class PrintSurface;
class RandomSource;
class SheetDialogs;

// The program's one window: background picture, banner, three command buttons and the
// loudspeaker, with the numbers printed straight onto it.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(RandomSource& source, QWidget* parent = nullptr);
    ~Form1() override;

    const PrintSurface& printSurface() const;

    // Runs one event handler's command against the print surface. An error that leaves the
    // command is not recovered from: it goes to the fatal-error handler, which by default
    // shows it and ends the program with a failure status.
    void runCommand(const std::function<void(PrintSurface&)>& command);

    using FatalErrorHandler = std::function<void(const QString& message)>;
    void setFatalErrorHandler(FatalErrorHandler handler);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private slots:
    void showTenCombinations() { press(Press::Computer); }
    void showOneCombination() { press(Press::Combination); }
    void showOneNumber() { press(Press::Number); }
    void showInstructions() { press(Press::Instructions); }
    void showAbout();

private:
    void createControls();
    CommandButton* createButton(const QString& caption, Press press, int topTwips,
                                const QString& description, void (Form1::*command)());
    // Runs the command behind `press`, as every event handler that prints does.
    void press(Press press);

    RandomSource& source_;
    // First, so that its decoding overlaps everything else the window does at start-up.
    BackgroundPicture background_;
    PrintArea* printArea_;
    SheetDialogs* sheetDialogs_;
    FatalErrorHandler fatalErrorHandler_;
    bool largeIconSizesGiven_ = false;
};
