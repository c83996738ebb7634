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
#include <QClipboard>
#include <QContextMenuEvent>
#include <QIcon>
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
const QColor printColour(0xff, 0xff, 0x00);
const QColor bannerColour(0xff, 0x80, 0x00);

constexpr int clientWidthTwips = 8295;
constexpr int clientHeightTwips = 5310;

void showErrorAndQuit(QWidget* window, const QString& message)
{
    QMessageBox::critical(window, QStringLiteral("KRIMVEL"),
                          message + QStringLiteral("\n\nKRIMVEL has to close."));
    QCoreApplication::exit(1);
}

} // namespace

Form1::Form1(RandomSource& source, QWidget* parent)
    : QWidget(parent), source_(source), background_(QStringLiteral(":/pictures/background.jpg")),
      printFont_(WindowFonts::printFont()), measure_(printFont_), surface_(measure_),
      printArea_(new PrintArea(surface_, this)),
      fatalErrorHandler_([this](const QString& message) { showErrorAndQuit(this, message); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("KRIMVEL FERNOS"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/krimvel.ico")));
    // The picture and the printed text cover the whole client area on every paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    installWindowAccessibility();
    // Made first, so it lies below every control.
    printArea_->setObjectName(QStringLiteral("PrintArea"));
    printArea_->setAccessibleDescription(QStringLiteral("Izvučeni brojevi"));
    resize(sizeHint());
    createControls();

    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, &Form1::copyPrintedText);
}

Form1::~Form1() = default;

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

void Form1::createControls()
{
    // Created in tab order; the label takes no focus and is skipped.
    auto* command1 = new CommandButton(QStringLiteral("KOMPJUTER"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(Twips::rect(0, 0, 1215, 360));
    command1->setAccessibleDescription(QStringLiteral("Deset kombinacija"));

    auto* command3 = new CommandButton(QStringLiteral("KOMBINACIJA"), this);
    command3->setObjectName(QStringLiteral("Command3"));
    command3->setGeometry(Twips::rect(0, 360, 1215, 360));
    command3->setAccessibleDescription(QStringLiteral("Jedna kombinacija"));

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

    auto* command2 = new CommandButton(QStringLiteral("BROJ"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setGeometry(Twips::rect(0, 720, 1215, 360));
    command2->setAccessibleDescription(QStringLiteral("Jedan broj"));

    auto* soundRec1 = new SoundObject(this);
    soundRec1->setObjectName(QStringLiteral("SoundRec1"));
    soundRec1->setGeometry(Twips::rect(7680, 120, 480, 480));
    soundRec1->setAccessibleName(QStringLiteral("Zvučnik"));
    soundRec1->setAccessibleDescription(
        QStringLiteral("Uputstvo; dvostruki klik pušta snimljeni zvuk"));

    setTabOrder(command1, command3);
    setTabOrder(command3, command2);
    setTabOrder(command2, soundRec1);

    connect(command1, &QPushButton::clicked, this, [this] {
        runHandler([this](PrintSurface& surface) { showTenCombinations(surface, source_); });
    });
    connect(command3, &QPushButton::clicked, this, [this] {
        runHandler([this](PrintSurface& surface) { showOneCombination(surface, source_); });
    });
    connect(command2, &QPushButton::clicked, this, [this] {
        runHandler([this](PrintSurface& surface) { showOneNumber(surface, source_); });
    });

    connect(soundRec1, &SoundObject::focusArrived, this,
            [this] { runHandler([](PrintSurface& surface) { showInstructions(surface); }); });

    command1->setFocus(Qt::OtherFocusReason);
}

void Form1::runHandler(const std::function<void(PrintSurface&)>& handler)
{
    try {
        handler(surface_);
    } catch (const std::exception& error) {
        // What was printed before the error stays on the window until the program ends.
        update();
        printArea_->announceChange();
        fatalErrorHandler_(QString::fromUtf8(error.what()));
        return;
    }
    update();
    printArea_->announceChange();
}

void Form1::copyPrintedText() const
{
    const QString text = printArea_->text();
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}

void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("Copy"), this, &Form1::copyPrintedText);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!surface_.runs().empty());
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
    painter.drawImage(0, 0, background_.image());
    paintPrintedText(painter);
}

void Form1::paintPrintedText(QPainter& painter) const
{
    painter.setFont(printFont_);
    painter.setPen(printColour);
    const double ascent = measure_.ascent();
    for (const PrintedRun& run : surface_.runs()) {
        const QPointF baseline(Twips::toPixels(run.x), Twips::toPixels(run.y + ascent));
        painter.drawText(baseline, QString::fromStdString(run.text));
    }
}
