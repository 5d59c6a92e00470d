#include "FakePowerSupplyTree.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

FakePowerSupplyTree::FakePowerSupplyTree()
{
    if (m_dir.isValid()) {
        QDir(m_dir.path()).mkpath(u"class/power_supply"_s);
        QDir(m_dir.path()).mkpath(u"devices"_s);
    }
}

QString FakePowerSupplyTree::root() const
{
    return m_dir.filePath(u"class/power_supply"_s);
}

bool FakePowerSupplyTree::add(const QString &name, const QMap<QString, QString> &attributes)
{
    const QString device = m_dir.filePath(u"devices/"_s + name);
    if (!QDir().mkpath(device))
        return false;
    for (auto it = attributes.cbegin(); it != attributes.cend(); ++it) {
        QFile file(device + u'/' + it.key());
        if (!file.open(QIODevice::WriteOnly) || file.write((it.value() + u'\n').toUtf8()) < 0)
            return false;
    }
    return QFile::link(device, root() + u'/' + name);
}
