#include "OtherInhibitor.h"

#include "utilities/OneLine.h"

#include <QCoreApplication>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(OtherInhibitor)
};

// Whitespace runs collapse too: another program's padding says nothing.
QString part(const QString &text)
{
    return oneLine(oneLine(text).simplified(), OtherInhibitor::maxPartLength);
}

} // namespace

QString OtherInhibitor::summary() const
{
    QString name = part(who);
    if (name.isEmpty())
        name = Text::tr("Unknown program");
    const QString reason = part(why);
    //: %1 is the program holding the lock, %2 the reason it gives
    return reason.isEmpty() ? name : Text::tr("%1 \u2014 %2").arg(name, reason);
}
