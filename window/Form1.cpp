#include "Form1.h"

#include "AboutBox.h"
#include "CommandButton.h"
#include "DrawError.h"
#include "LineAnnouncement.h"
#include "PngIcon.h"
#include "PrintArea.h"
#include "ProgramIdentity.h"
#include "RandomSource.h"
#include "SheetDialogs.h"
#include "SoundObject.h"
#include "Twips.h"
#include "WindowAccessibility.h"
#include "WindowFonts.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QShortcut>
#include <QWindow>
#include <exception>

using ProgramIdentity::programName;

namespace {

// Colours as the window's properties give them: &H00BBGGRR&.
const QColor backgroundColour(0x80, 0x00, 0x00);
const QColor bannerColour(0xff, 0x80, 0x00);

constexpr int clientWidthTwips = 8295;
constexpr int clientHeightTwips = 5310;

void showErrorAndQuit(QWidget* window, const QString& message)
{
    QMessageBox::critical(window, programName(),
                          message + QStringLiteral("\n\n") +
                              Form1::tr("%1 has to close.").arg(programName()));
    QCoreApplication::exit(1);
}

// The icon at every size a desktop shows it, each drawn for its size: a dock or a task
// switcher then picks a sharp one instead of scaling the 32 up. The sizes of a title bar and a
// task bar come with the window; the three large ones, nine tenths of the decoding, after its
// first frame.
const QString iconFiles = QStringLiteral(":/pictures/krimvel-%1.png");
constexpr int smallIconSizes[] = {16, 24, 32, 48};
constexpr int allIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The core's errors in the user's language, by their code. A code without a case here is a
// compiler warning (-Wswitch).
QString describe(DrawErrorCode code)
{
    switch (code) {
    case DrawErrorCode::FloatingPoint:
        return Form1::tr("Floating-point error while drawing a number.");
    }
    return {};
}

} // namespace

Form1::Form1(RandomSource& source, QWidget* parent)
    : QWidget(parent), source_(source),
      background_(QStringLiteral(":/pictures/background.jpg"),
                  QStringLiteral(":/pictures/background-corner.pixels"),
                  Twips::rect(0, 0, clientWidthTwips, clientHeightTwips).size()),
      printArea_(new PrintArea(this)), sheetDialogs_(new SheetDialogs(this, *printArea_)),
      fatalErrorHandler_([this](const QString& message) { showErrorAndQuit(this, message); })
{
    // Installed as the application starts already; calling it here also keeps it in a program
    // that links the window statically.
    installWindowAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("KRIMVEL FERNOS"));
    setWindowIcon(pngIcon(iconFiles, smallIconSizes));
    // The picture covers the whole client area on every paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Made first, so it lies below every control.
    printArea_->setObjectName(QStringLiteral("PrintArea"));
    printArea_->setAccessibleName(tr("Drawn numbers"));
    connect(printArea_, &PrintArea::linesToAnnounce, printArea_,
            [area = printArea_](const QStringList& lines) { announceLines(area, lines); });
    resize(sizeHint());
    createControls();

    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, printArea_, &PrintArea::copy);
    auto* print = new QShortcut(QKeySequence::Print, this);
    print->setContext(Qt::WindowShortcut);
    connect(print, &QShortcut::activated, sheetDialogs_, &SheetDialogs::print);
}

Form1::~Form1() = default;

const PrintSurface& Form1::printSurface() const
{
    return printArea_->surface();
}

QSize Form1::sizeHint() const
{
    return Twips::rect(0, 0, clientWidthTwips, clientHeightTwips).size();
}

CommandButton* Form1::createButton(const QString& caption, Press press, int topTwips,
                                   const QString& description, void (Form1::*command)())
{
    auto* button = new CommandButton(caption, this);
    button->setObjectName(QString::fromUtf8(nameOf(press).control));
    button->setGeometry(Twips::rect(0, topTwips, 1215, 360));
    button->setAccessibleDescription(description);
    connect(button, &QPushButton::clicked, this, command);
    return button;
}

void Form1::createControls()
{
    // Created in tab order; the label takes no focus and is skipped.
    auto* command1 = createButton(QStringLiteral("KOMPJUTER"), Press::Computer, 0,
                                  tr("Ten combinations"), &Form1::showTenCombinations);
    auto* command3 = createButton(QStringLiteral("KOMBINACIJA"), Press::Combination, 360,
                                  tr("One combination"), &Form1::showOneCombination);

    auto* label2 = new QLabel(QStringLiteral("KRIMVEL"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(Twips::rect(2760, 360, 2775, 375));
    label2->setFont(WindowFonts::bannerFont());
    label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label2->setTextFormat(Qt::PlainText);
    label2->setFocusPolicy(Qt::NoFocus);
    QPalette bannerPalette = label2->palette();
    bannerPalette.setColor(QPalette::WindowText, bannerColour);
    label2->setPalette(bannerPalette);

    auto* command2 = createButton(QStringLiteral("BROJ"), Press::Number, 720, tr("One number"),
                                  &Form1::showOneNumber);

    auto* soundRec1 = new SoundObject(this);
    soundRec1->setObjectName(QString::fromUtf8(nameOf(Press::Instructions).control));
    soundRec1->setGeometry(Twips::rect(7680, 120, 480, 480));
    soundRec1->setAccessibleName(tr("Loudspeaker"));
    soundRec1->setAccessibleDescription(
        tr("Instructions; a double-click plays the recorded sound"));
    connect(soundRec1, &SoundObject::focusArrived, this, &Form1::showInstructions);

    setTabOrder(command1, command3);
    setTabOrder(command3, command2);
    setTabOrder(command2, soundRec1);
    command1->setFocus(Qt::OtherFocusReason);
}

void Form1::press(Press press)
{
    runCommand([this, press](PrintSurface& surface) { runPress(press, surface, source_); });
}

void Form1::runCommand(const std::function<void(PrintSurface&)>& command)
{
    try {
        printArea_->print(command);
    } catch (const DrawError& error) {
        // What was printed before the error stays on the window until the program ends.
        fatalErrorHandler_(describe(error.code()));
    } catch (const std::exception& error) {
        fatalErrorHandler_(QString::fromUtf8(error.what()));
    }
}

void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("Copy"), printArea_, &PrintArea::copy);
    copy->setShortcut(QKeySequence::Copy);
    QAction* print = menu.addAction(tr("Print…"), sheetDialogs_, &SheetDialogs::print);
    print->setShortcut(QKeySequence::Print);
    menu.addAction(tr("Save as PDF…"), sheetDialogs_, &SheetDialogs::saveAsPdf);
    for (QAction* action : menu.actions()) {
        action->setEnabled(!printArea_->isEmpty());
    }
    menu.addSeparator();
    menu.addAction(tr("About %1").arg(programName()), this, &Form1::showAbout);
    menu.exec(event->globalPos());
}

void Form1::showAbout()
{
    showAboutBox(this);
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    background_.cover(size());
    printArea_->setGeometry(rect());
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle(); window != nullptr && !largeIconSizesGiven_) {
        window->installEventFilter(this);
    }
}

// The expose that shows the window paints its first frame before a call queued from here runs:
// the icon's three large sizes, nine tenths of its decoding, come just after that frame.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed() && !largeIconSizesGiven_) {
        largeIconSizesGiven_ = true;
        windowHandle()->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this, [this] { setWindowIcon(pngIcon(iconFiles, allIconSizes)); },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::setFatalErrorHandler(FatalErrorHandler handler)
{
    fatalErrorHandler_ = std::move(handler);
}

void Form1::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    // On a scaled screen the picture is enlarged with it; smoothly, not in blocks.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The colour shows only where the window is larger than the picture.
    painter.fillRect(rect(), backgroundColour);
    painter.drawImage(0, 0, background_.image());
}
