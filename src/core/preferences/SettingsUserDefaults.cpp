#include "SettingsUserDefaults.h"

#include "utilities/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <QVariant>
#include <QVariantMap>

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

// Every operation opens its own QSettings: a QSettings object never clears its status(), so after
// one failed write a long-lived instance would report every later write as failed too.
//
// Writes are staged rather than left to QSettings on the real file: Qt's atomic save commits a file
// whose write was cut short (disk full, quota) as if it were complete, which would replace a good
// file with a truncated one. A copy of the file is changed beside it under fresh names (Qt trusts
// its in-memory parse of a file whose size and time look unchanged), read back, and only then
// renamed over the original.

namespace {

QVariantMap allValues(const QSettings &settings)
{
    QVariantMap values;
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

// Atomically replaces to with from.
bool renameOver(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

SettingsUserDefaults::SettingsUserDefaults()
    : m_fileName(
          QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Quillmere"_s, u"Vigila"_s).fileName())
{
}

SettingsUserDefaults::SettingsUserDefaults(QString fileName)
    : m_fileName(std::move(fileName))
{
}

std::optional<QByteArray> SettingsUserDefaults::data(const QString &key) const
{
    const QSettings settings(m_fileName, QSettings::NativeFormat);
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::QByteArray:
        return value.toByteArray();
    case QMetaType::QString: // a value edited by hand loses Qt's byte-array marker
        return value.toString().toUtf8();
    default:
        return QByteArray();
    }
}

bool SettingsUserDefaults::setData(const QString &key, const QByteArray &bytes)
{
    const auto fail = [&](const QString &reason) {
        Log::error(u"Could not save settings to %1: %2"_s.arg(m_fileName, reason));
        return false;
    };

    QByteArray contents;
    if (QFileInfo::exists(m_fileName)) {
        // One that cannot be read is left alone rather than overwritten with this key only.
        QFile current(m_fileName);
        if (!current.open(QIODevice::ReadOnly))
            return fail(u"the file cannot be read: %1"_s.arg(current.errorString()));
        contents = current.readAll();
    }

    const QString folder = QFileInfo(m_fileName).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(u"cannot create the folder %1"_s.arg(folder));
    // Both are created readable by their owner only; Qt's save and the renames keep that.
    QTemporaryFile staged(m_fileName + ".XXXXXX"_L1);
    QTemporaryFile checked(m_fileName + ".XXXXXX"_L1);
    if (!staged.open() || !checked.open())
        return fail(staged.errorString() + u"; "_s + checked.errorString());
    staged.write(contents);
    staged.close();
    checked.close();
    if (QFileInfo(staged.fileName()).size() != contents.size())
        return fail(u"the new file was not written in full (is the disk full?)"_s);

    QVariantMap expected;
    {
        // A malformed file is replaced by what Qt could read of it.
        QSettings settings(staged.fileName(), QSettings::NativeFormat);
        settings.setValue(key, bytes);
        expected = allValues(settings);
        settings.sync();
        if (settings.status() == QSettings::AccessError)
            return fail(u"the file or its folder cannot be written"_s);
    }
    // A new name, so that Qt parses the written file instead of trusting what it holds in memory.
    if (!renameOver(staged.fileName(), checked.fileName()))
        return fail(u"cannot rename %1: %2"_s.arg(staged.fileName(), lastError()));
    {
        const QSettings check(checked.fileName(), QSettings::NativeFormat);
        if (allValues(check) != expected || check.status() != QSettings::NoError)
            return fail(u"the new file was not written in full (is the disk full?)"_s);
    }

    if (!renameOver(checked.fileName(), m_fileName))
        return fail(u"cannot replace the file: %1"_s.arg(lastError()));
    checked.setAutoRemove(false);
    return true;
}
