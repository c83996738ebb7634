#include "QtLicenceNotice.h"

#include <QCoreApplication>

QString qtLicenceNotice()
{
    return QCoreApplication::translate("Form1",
                                       "Uses Qt %1 from Debian, under the GNU LGPL version 3.")
        .arg(QString::fromLatin1(qVersion()));
}
