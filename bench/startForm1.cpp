#include "Form1.h"
#include "RandomSource.h"
#include "firstPaint.h"
#include "probeModes.h"

#include <QApplication>

int startForm1()
{
    RandomSource source;
    Form1 form(source);
    NextPaint nextPaint(form);
    reportFirstPaintThenQuit(nextPaint);
    form.showCentred();
    return QApplication::exec();
}
