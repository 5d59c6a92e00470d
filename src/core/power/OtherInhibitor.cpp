#include "OtherInhibitor.h"

#include "utilities/OneLine.h"

using namespace Qt::StringLiterals;

namespace {

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
        name = u"Unknown program"_s;
    const QString reason = part(why);
    return reason.isEmpty() ? name : name + u" \u2014 "_s + reason;
}
