#include "SafetyCopy.h"

using namespace Qt::StringLiterals;

namespace SafetyCopy {

QString appName()
{
    return u"Vigila"_s;
}

QString tagline()
{
    return u"Keep your computer awake while real work runs."_s;
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
    return u"Vigila keeps your computer awake so real work can continue. It does not fake activity, "
           u"bypass lock screens, or change your presence in communication apps."_s;
}

QString displayAwakeWarning()
{
    return u"Display Awake keeps your screen on. It does not bypass lock screen or password settings."_s;
}

QString sleepLimitations()
{
    return u"Vigila prevents idle sleep. Your computer may still sleep because of lid close, low battery, "
           u"explicit Sleep, or administrator policies."_s;
}

QString privacy()
{
    return u"Vigila runs locally. It does not track you, send analytics, or connect to chat apps."_s;
}

const QStringList &safetyBullets()
{
    static const QStringList bullets{
        u"Vigila does not fake activity."_s,
        u"Vigila does not prevent screen lock."_s,
        u"Vigila does not interact with Slack or Teams."_s,
        u"Vigila does not move the mouse or press keys."_s,
        u"Vigila only uses the standard keep-awake locks of your desktop and systemd-logind."_s,
    };
    return bullets;
}

QString broadProcessWarning()
{
    return u"Broad names like \u201Cnode\u201D or \u201Cpython\u201D can match many unrelated processes, "
           u"which may keep your computer awake longer than you expect."_s;
}

} // namespace SafetyCopy
