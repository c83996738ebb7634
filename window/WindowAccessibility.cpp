#include "WindowAccessibility.h"

#include "PrintArea.h"
#include "SoundObject.h"

#include <QAccessibleWidget>

namespace {

class PrintAreaAccessible : public QAccessibleWidget
{
public:
    explicit PrintAreaAccessible(PrintArea* area) : QAccessibleWidget(area, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name || kind == QAccessible::Value) {
            return static_cast<PrintArea*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
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
    if (className == QLatin1String("SoundObject")) {
        return new SoundObjectAccessible(static_cast<SoundObject*>(object));
    }
    return nullptr;
}

} // namespace

void installWindowAccessibility()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(windowControls);
    }
}
