#include "QtLicenceNotice.h"

#include "ProgramIdentity.h"

#include <QCoreApplication>

QString qtLicenceNotice()
{
    return QCoreApplication::translate(
               "Form1",
               "Uses Qt %1 under the GNU LGPL version 3, built into the program from Debian's "
               "qt6-base source package with the configure options in %2's source "
               "(tools/windows/qt-configure-options). The source of %2 is public, so the program "
               "can be relinked with another Qt. The licences are in the program's folder.")
        .arg(QString::fromLatin1(qVersion()), QString::fromLatin1(ProgramIdentity::name));
}
