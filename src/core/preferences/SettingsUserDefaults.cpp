#include "SettingsUserDefaults.h"

#include "utilities/Log.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
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

// A save that is cut short (the process killed) leaves its staging copies, each a full copy of
// the settings; one this old belongs to no save still going on.
constexpr qint64 staleStagingSeconds = 60;

QString stagingPrefix(const QString &fileName)
{
    return fileName + ".staged-"_L1;
}

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

void removeStaleStagingFiles(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString prefix = QFileInfo(stagingPrefix(fileName)).fileName();
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-staleStagingSeconds);
    int removed = 0;
    for (const QFileInfo &file :
         info.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (file.fileName().startsWith(prefix) && file.lastModified() < staleBefore &&
            QFile::remove(file.absoluteFilePath()))
            ++removed;
    }
    if (removed > 0)
        Log::info(u"Removed %1 copies of %2 left by an interrupted save"_s.arg(removed).arg(fileName));
}

} // namespace

// Where QSettings keeps organisation "Quillmere", application "Vigila" on Linux, named without
// making a QSettings for it: that would read the whole file, however large.
SettingsUserDefaults::SettingsUserDefaults()
    : SettingsUserDefaults(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           u"/Quillmere/Vigila.conf"_s)
{
}

SettingsUserDefaults::SettingsUserDefaults(QString fileName)
    : m_fileName(std::move(fileName))
{
    removeStaleStagingFiles(m_fileName);
}

std::optional<QByteArray> SettingsUserDefaults::data(const QString &key) const
{
    if (const qint64 size = QFileInfo(m_fileName).size(); size > maxFileBytes) {
        Log::error(u"Settings file %1 is not read: %2 bytes is more than settings ever take"_s.arg(m_fileName)
                       .arg(size));
        return std::nullopt;
    }
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
        if (current.size() > maxFileBytes)
            return fail(
                u"%1 bytes is more than settings ever take; the file is left as it is"_s.arg(current.size()));
        contents = current.readAll();
    }

    const QString folder = QFileInfo(m_fileName).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(u"cannot create the folder %1"_s.arg(folder));

    // A value that is not ours and that Qt cannot write back as it read it (a NaN, a list holding a
    // NUL, a line of random bytes) would fail the read-back of every save: the first attempt finds
    // such values, the second leaves them out.
    QStringList dropped;
    for (int attempt = 0;; ++attempt) {
        // Both are created readable by their owner only; Qt's save and the renames keep that.
        QTemporaryFile staged(stagingPrefix(m_fileName) + "XXXXXX"_L1);
        QTemporaryFile checked(stagingPrefix(m_fileName) + "XXXXXX"_L1);
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
            // Qt parses a file section by section as keys are asked for, and cannot remove a key
            // from one it has not parsed yet: parse it all first.
            if (!dropped.isEmpty())
                settings.allKeys();
            for (const QString &name : std::as_const(dropped))
                settings.remove(name);
            settings.setValue(key, bytes);
            expected = allValues(settings);
            settings.sync();
            if (settings.status() == QSettings::AccessError)
                return fail(u"the file or its folder cannot be written"_s);
        }
        // A new name, so that Qt parses the written file instead of trusting what it holds in memory.
        if (!renameOver(staged.fileName(), checked.fileName()))
            return fail(u"cannot rename %1: %2"_s.arg(staged.fileName(), lastError()));
        QVariantMap actual;
        bool readable = false;
        {
            const QSettings check(checked.fileName(), QSettings::NativeFormat);
            actual = allValues(check);
            readable = check.status() == QSettings::NoError;
        }

        if (readable && actual == expected) {
            if (!renameOver(checked.fileName(), m_fileName))
                return fail(u"cannot replace the file: %1"_s.arg(lastError()));
            checked.setAutoRemove(false);
            if (!dropped.isEmpty())
                Log::error(
                    u"Settings in %1 that could not be saved back as they were read were dropped: %2"_s.arg(
                        m_fileName, dropped.join(u", "_s)));
            return true;
        }

        // Records (ours are bytes) always come back as written: a difference there is a short write.
        QStringList differing;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            if (actual.value(it.key()) == it.value())
                continue;
            if (it.value().typeId() == QMetaType::QByteArray)
                return fail(u"the new file was not written in full (is the disk full?)"_s);
            differing << it.key();
        }
        // Qt cannot parse what it wrote, without saying which value did that: all but records go.
        if (differing.isEmpty()) {
            for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
                if (it.value().typeId() != QMetaType::QByteArray)
                    differing << it.key();
            }
        }
        if (attempt > 0 || differing.isEmpty())
            return fail(differing.isEmpty()
                            ? u"the new file cannot be read back"_s
                            : u"the new file does not read back as written: "_s + differing.join(u", "_s));
        dropped = differing;
    }
}
