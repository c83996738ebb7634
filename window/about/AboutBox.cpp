#include "AboutBox.h"

#include "ProgramIdentity.h"
#include "QtLicenceNotice.h"

#include <QCoreApplication>
#include <QMessageBox>

// In the window's words, as the window's menu opens it.
void showAboutBox(QWidget* window)
{
    const QString name = QString::fromLatin1(ProgramIdentity::name);
    QMessageBox::about(window, QCoreApplication::translate("Form1", "About %1").arg(name),
                       QCoreApplication::translate(
                           "Form1", "%1 %2\n%3\n\nPicks lottery numbers: seven from 1 to 39.\n\n"
                                    "Copyright %4\nReleased under the %5 licence.")
                               .arg(name, QString::fromLatin1(ProgramIdentity::version),
                                    QString::fromUtf8(ProgramIdentity::comment),
                                    QString::fromUtf8(ProgramIdentity::copyright),
                                    QString::fromLatin1(ProgramIdentity::licence)) +
                           QStringLiteral("\n\n") + qtLicenceNotice());
}
