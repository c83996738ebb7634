#include "WindowAccessibility.h"

#include "PrintArea.h"
#include "SoundObject.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QTimer>
#include <utility>

namespace {

// The span of `text` around `offset` in a word, which in the printed lines is a number or a
// word, the blanks between two, or the line end between two lines: one kind of character
// throughout; in any unit but these and the two that Qt's default answers, the whole text.
// Qt's default word and sentence do not return on these lines.
std::pair<int, int> spanAt(const QString& text, int offset, QAccessible::TextBoundaryType unit)
{
    const int size = int(text.size());
    if (unit != QAccessible::WordBoundary) {
        return {0, size};
    }
    const auto kind = [&](int i) {
        return text.at(i) == QLatin1Char('\n') ? 2 : text.at(i).isSpace() ? 1 : 0;
    };
    int start = offset;
    int end = offset + 1;
    while (start > 0 && kind(start - 1) == kind(offset)) {
        --start;
    }
    while (end < size && kind(end) == kind(offset)) {
        ++end;
    }
    return {start, end};
}

// A character and a line as Qt's own text widgets answer (QLineEdit, with Qt's default), also at
// the ends of the text, a line with its line end as screen readers read line by line.
bool answeredByQt(QAccessible::TextBoundaryType unit)
{
    return unit == QAccessible::CharBoundary || unit == QAccessible::LineBoundary;
}

// The printed lines as a status bar: the area that reports what the last command did, whose
// announced lines screen readers speak without a word of their own. Its Text interface holds
// exactly the lines the window shows, to walk through by character, word and line, each
// character where it is painted, as a review of the screen does. Nothing in it can be selected
// or edited; the caret stays at the start.
class PrintAreaAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit PrintAreaAccessible(PrintArea* area) : QAccessibleWidget(area, QAccessible::StatusBar)
    {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return printed().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(printed().size()); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType unit, int* startOffset,
                         int* endOffset) const override
    {
        if (answeredByQt(unit)) {
            return QAccessibleTextInterface::textAtOffset(offset, unit, startOffset, endOffset);
        }
        return textOf(printed(), offset, unit, startOffset, endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType unit, int* startOffset,
                             int* endOffset) const override
    {
        if (answeredByQt(unit)) {
            return QAccessibleTextInterface::textBeforeOffset(offset, unit, startOffset, endOffset);
        }
        const QString lines = printed();
        // Just past the last character, where a caret stands after reading to the end, the word
        // before is the last one.
        int start = offset;
        int end = offset;
        if (offset < lines.size()) {
            textOf(lines, offset, unit, &start, &end);
        }
        return textOf(lines, start - 1, unit, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType unit, int* startOffset,
                            int* endOffset) const override
    {
        if (answeredByQt(unit)) {
            return QAccessibleTextInterface::textAfterOffset(offset, unit, startOffset, endOffset);
        }
        const QString lines = printed();
        int start = 0;
        int end = 0;
        textOf(lines, offset, unit, &start, &end);
        return textOf(lines, end, unit, startOffset, endOffset);
    }

    void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QRect characterRect(int offset) const override
    {
        const QRect local = area()->characterRect(offset);
        return local.isNull() ? local : local.translated(area()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return area()->offsetAt(area()->mapFromGlobal(point));
    }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    PrintArea* area() const { return static_cast<PrintArea*>(widget()); }
    QString printed() const { return area()->text(); }

    static QString textOf(const QString& lines, int offset, QAccessible::TextBoundaryType unit,
                          int* startOffset, int* endOffset)
    {
        if (offset < 0 || offset >= lines.size()) {
            *startOffset = *endOffset = -1;
            return {};
        }
        const auto [start, end] = spanAt(lines, offset, unit);
        *startOffset = start;
        *endOffset = end;
        return lines.mid(start, end - start);
    }
};

// The top-level window as a frame: screen readers announce a frame as a window, by its title.
// The printed area, made first so that it lies below every control, covers the whole window.
// Asked what lies at a point, Qt takes the first child that holds it in the order of the
// widgets' stacking from the bottom up, and Orca 43's mouse review walks the children in that
// order too: listed last, the area is found only where no control is, as the mouse finds it.
class Form1Accessible : public QAccessibleWidget
{
public:
    explicit Form1Accessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QAccessibleInterface* child(int index) const override
    {
        const int count = childCount();
        return index >= 0 && index < count ? QAccessibleWidget::child((index + 1) % count)
                                           : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? index : (index + childCount() - 1) % childCount();
    }
};

class SoundObjectAccessible : public QAccessibleWidget
{
public:
    explicit SoundObjectAccessible(SoundObject* loudspeaker)
        : QAccessibleWidget(loudspeaker, QAccessible::Button)
    {}

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            static_cast<SoundObject*>(widget())->activate();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* windowControls(const QString& className, QObject* object)
{
    if (className == QLatin1String("PrintArea")) {
        return new PrintAreaAccessible(static_cast<PrintArea*>(object));
    }
    if (className == QLatin1String("Form1")) {
        return new Form1Accessible(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String("SoundObject")) {
        return new SoundObjectAccessible(static_cast<SoundObject*>(object));
    }
    if (className == QLatin1String("LineNotice")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

// A screen reader presents a window when it becomes active, then the control with the focus.
// Qt 6.4 reaches the accessibility bus only once the bus has answered with its address, tells
// nobody what happened before, and later tells only of changes: where a busy machine's bus
// answers after the window became active, the screen reader stays silent until the focus
// moves. So once Qt is connected, the focus is told again; the screen reader then presents the
// control, without the window's title. e2e.accessibility.late shows it is needed; it goes when
// Qt tells of the active window on connecting.
class FocusToldOnConnection : public QAccessible::ActivationObserver
{
public:
    void accessibilityActiveChanged(bool active) override
    {
        // Qt calls this before its connection sends anything; from the event loop, it does.
        if (active) {
            QTimer::singleShot(0, qApp, [] {
                if (QWidget* focus = QApplication::focusWidget()) {
                    QAccessibleEvent event(focus, QAccessible::Focus);
                    QAccessible::updateAccessibility(&event);
                }
            });
        }
    }
};

} // namespace

// Before any widget exists: Qt keeps the first interface it makes for an object, and Qt 6.8
// makes the window's as soon as its title is set, a plain one unless the factory is there.
Q_COREAPP_STARTUP_FUNCTION(installWindowAccessibility)

void installWindowAccessibility()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(windowControls);
        static FocusToldOnConnection focusTold;
        QAccessible::installActivationObserver(&focusTold);
    }
}
