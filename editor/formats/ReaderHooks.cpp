#include "ReaderHooks.h"

#include "Rounding.h"

void ReaderHooks::reportProgress(qsizetype done, qsizetype total) const
{
    if (progress && total > 0)
        progress(QString::number(Rounding::halfEven(double(done) * 100.0 / double(total))) + u'%');
    if (processEvents)
        processEvents();
}
