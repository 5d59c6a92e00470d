#include "XdgAutostartLoginItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Characters that make the desktop-entry Exec syntax require a quoted argument.
bool needsQuoting(const QString &argument)
{
    static const QString reserved = u" \t\n\"'\\><~|&;$*?#`()"_s;
    return std::any_of(argument.cbegin(), argument.cend(), [](QChar c) { return reserved.contains(c); });
}

// Keys are compared only inside the main group: other groups (actions) do not switch the entry off.
bool switchedOff(const QByteArray &contents)
{
    bool inMainGroup = false;
    for (const QByteArray &rawLine : contents.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inMainGroup || equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if ((key == "Hidden" && value == "true") || (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return true;
    }
    return false;
}

} // namespace

XdgAutostartLoginItem::XdgAutostartLoginItem(QString executablePath)
    : m_executablePath(std::move(executablePath))
{
}

QString XdgAutostartLoginItem::entryPath()
{
    // A relative $XDG_CONFIG_HOME is invalid and must be ignored; Qt 6.4 would use it as is,
    // relative to whatever the working folder happens to be.
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(configHome))
        configHome = QDir::homePath() + "/.config"_L1;
    return configHome + "/autostart/com.quillmere.vigila.desktop"_L1;
}

QString XdgAutostartLoginItem::execValue(const QString &program)
{
    QString argument;
    if (needsQuoting(program)) {
        argument = u"\""_s;
        for (const QChar c : program) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                argument += u'\\';
            argument += c;
        }
        argument += u'"';
    } else {
        argument = program;
    }
    // A literal percent sign would otherwise start a field code.
    argument.replace(u'%', "%%"_L1);

    // The escapes of desktop-entry string values apply on top of the Exec quoting.
    QString value;
    for (const QChar c : argument) {
        if (c == u'\\')
            value += "\\\\"_L1;
        else if (c == u'\n')
            value += "\\n"_L1;
        else if (c == u'\t')
            value += "\\t"_L1;
        else if (c == u'\r')
            value += "\\r"_L1;
        else
            value += c;
    }
    return value;
}

bool XdgAutostartLoginItem::isSupported() const
{
    return !m_executablePath.isEmpty() && QFileInfo(m_executablePath).isAbsolute();
}

bool XdgAutostartLoginItem::isEnabled() const
{
    QFile file(entryPath());
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    return !switchedOff(file.readAll());
}

std::optional<QString> XdgAutostartLoginItem::registerItem()
{
    const QString path = entryPath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return u"cannot create the folder %1"_s.arg(folder);

    const QString contents = u"[Desktop Entry]\n"
                             u"Type=Application\n"
                             u"Name=Vigila\n"
                             u"Exec=%1\n"
                             u"Icon=com.quillmere.vigila\n"_s.arg(execValue(m_executablePath));
    // Written beside the entry and renamed over it: a link in its place is replaced, never
    // written through (QSaveFile would follow it and overwrite its target).
    const QByteArray bytes = contents.toUtf8();
    QTemporaryFile file(path + ".XXXXXX"_L1);
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0)
        return u"cannot write %1: %2"_s.arg(path, file.errorString());
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return u"cannot write %1: %2"_s.arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    file.setAutoRemove(false);
    return std::nullopt;
}

std::optional<QString> XdgAutostartLoginItem::unregisterItem()
{
    const QString path = entryPath();
    QFile file(path);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    if (!file.remove())
        return u"cannot remove %1: %2"_s.arg(path, file.errorString());
    return std::nullopt;
}
