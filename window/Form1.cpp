#include "Form1.h"

#include "CommandButton.h"
#include "PrintArea.h"
#include "RandomSource.h"
#include "SoundObject.h"
#include "Twips.h"
#include "WindowAccessibility.h"
#include "WindowFonts.h"
#include "drawCommands.h"
#include "showInstructions.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <exception>

namespace {

// Colours as the window's properties give them: &H00BBGGRR&.
const QColor backgroundColour(0x80, 0x00, 0x00);
const QColor bannerColour(0xff, 0x80, 0x00);

constexpr int clientWidthTwips = 8295;
constexpr int clientHeightTwips = 5310;

void showErrorAndQuit(QWidget* window, const QString& message)
{
    QMessageBox::critical(window, QStringLiteral("KRIMVEL"),
                          message + QStringLiteral("\n\nKRIMVEL has to close."));
    QCoreApplication::exit(1);
}

// Read as a PNG and nothing else: asked to guess, Qt first offers a PNG to every image
// plugin it has, loading each one, where its own decoder reads it in a fraction of that.
QIcon pngIcon(const QString& resource)
{
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

} // namespace

Form1::Form1(RandomSource& source, QWidget* parent)
    : QWidget(parent), source_(source),
      background_(QStringLiteral(":/pictures/background.jpg"),
                  QStringLiteral(":/pictures/background-corner.png"),
                  Twips::rect(0, 0, clientWidthTwips, clientHeightTwips).size()),
      printArea_(new PrintArea(this)),
      fatalErrorHandler_([this](const QString& message) { showErrorAndQuit(this, message); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("KRIMVEL FERNOS"));
    setWindowIcon(pngIcon(QStringLiteral(":/pictures/krimvel-32.png")));
    // The picture covers the whole client area on every paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    installWindowAccessibility();
    // Made first, so it lies below every control.
    printArea_->setObjectName(QStringLiteral("PrintArea"));
    printArea_->setAccessibleDescription(QStringLiteral("Izvučeni brojevi"));
    resize(sizeHint());
    createControls();

    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, printArea_, &PrintArea::copy);
}

Form1::~Form1() = default;

const PrintSurface& Form1::printSurface() const
{
    return printArea_->surface();
}

void Form1::showCentred()
{
    const QRect available = screen()->availableGeometry();
    move(available.center() - rect().center());
    show();
    // Without a window manager nobody else gives the window the keyboard.
    activateWindow();
    raise();
}

QSize Form1::sizeHint() const
{
    return Twips::rect(0, 0, clientWidthTwips, clientHeightTwips).size();
}

CommandButton* Form1::createButton(const QString& caption, const char* name, int topTwips,
                                   const QString& description, void (Form1::*command)())
{
    auto* button = new CommandButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(Twips::rect(0, topTwips, 1215, 360));
    button->setAccessibleDescription(description);
    connect(button, &QPushButton::clicked, this, command);
    return button;
}

void Form1::createControls()
{
    // Created in tab order; the label takes no focus and is skipped.
    auto* command1 = createButton(QStringLiteral("KOMPJUTER"), "Command1", 0,
                                  QStringLiteral("Deset kombinacija"), &Form1::showTenCombinations);
    auto* command3 = createButton(QStringLiteral("KOMBINACIJA"), "Command3", 360,
                                  QStringLiteral("Jedna kombinacija"), &Form1::showOneCombination);

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

    auto* command2 = createButton(QStringLiteral("BROJ"), "Command2", 720,
                                  QStringLiteral("Jedan broj"), &Form1::showOneNumber);

    auto* soundRec1 = new SoundObject(this);
    soundRec1->setObjectName(QStringLiteral("SoundRec1"));
    soundRec1->setGeometry(Twips::rect(7680, 120, 480, 480));
    soundRec1->setAccessibleName(QStringLiteral("Zvučnik"));
    soundRec1->setAccessibleDescription(
        QStringLiteral("Uputstvo; dvostruki klik pušta snimljeni zvuk"));
    connect(soundRec1, &SoundObject::focusArrived, this, &Form1::showInstructions);

    setTabOrder(command1, command3);
    setTabOrder(command3, command2);
    setTabOrder(command2, soundRec1);
    command1->setFocus(Qt::OtherFocusReason);
}

void Form1::showTenCombinations()
{
    runCommand([this](PrintSurface& surface) { ::showTenCombinations(surface, source_); });
}

void Form1::showOneCombination()
{
    runCommand([this](PrintSurface& surface) { ::showOneCombination(surface, source_); });
}

void Form1::showOneNumber()
{
    runCommand([this](PrintSurface& surface) { ::showOneNumber(surface, source_); });
}

void Form1::showInstructions()
{
    runCommand([](PrintSurface& surface) { ::showInstructions(surface); });
}

void Form1::runCommand(const std::function<void(PrintSurface&)>& command)
{
    try {
        printArea_->print(command);
    } catch (const std::exception& error) {
        // What was printed before the error stays on the window until the program ends.
        fatalErrorHandler_(QString::fromUtf8(error.what()));
    }
}

void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("Copy"), printArea_, &PrintArea::copy);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!printArea_->isEmpty());
    menu.exec(event->globalPos());
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    printArea_->setGeometry(rect());
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
    painter.drawImage(0, 0, background_.image(size()));
}
