#include "SafetyCopy.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace SafetyCopy {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SafetyCopy)
};

} // namespace

QString appName()
{
    return u"Vigila"_s;
}

QString tagline()
{
    return Text::tr("Keep your computer awake while real work runs.");
}

QString version()
{
    return QStringLiteral(VIGILA_VERSION);
}

QString publisher()
{
    return u"Quillmere"_s;
}

QString promise()
{
    return Text::tr("Vigila keeps your computer awake so real work can continue. It does not fake activity, "
                    "bypass lock screens, or change your presence in communication apps.");
}

QString displayAwakeWarning()
{
    return Text::tr("Display Awake keeps your screen on. It does not bypass lock screen or password settings.");
}

QString sleepLimitations()
{
    return Text::tr("Vigila prevents idle sleep. Your computer may still sleep because of lid close, low battery, "
                    "explicit Sleep, or administrator policies.");
}

QString privacy()
{
    return Text::tr("Vigila runs locally. It does not track you, send analytics, or connect to chat apps.");
}

QStringList safetyBullets()
{
    return {
        Text::tr("Vigila does not fake activity."),
        Text::tr("Vigila does not prevent screen lock."),
        Text::tr("Vigila does not interact with Slack or Teams."),
        Text::tr("Vigila does not move the mouse or press keys."),
        Text::tr("Vigila only uses the standard keep-awake locks of your desktop and systemd-logind."),
    };
}

QString broadProcessWarning()
{
    return Text::tr("Broad names like \u201Cnode\u201D or \u201Cpython\u201D can match many unrelated processes, "
                    "which may keep your computer awake longer than you expect.");
}

} // namespace SafetyCopy
