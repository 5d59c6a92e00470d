#include "LogCapture.h"
#include "app/LaunchAtLogin.h"
#include "linux/XdgAutostartLoginItem.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly)
           && file.write(contents) == contents.size();
}

// True when this process can create files in a folder whose permission bits forbid it (root).
bool permissionBitsIgnored(const QString &readOnlyFolder)
{
    QFile probe(readOnlyFolder + "/probe"_L1);
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.remove();
    return true;
}

const QByteArray switchedOffEntry =
    "[Desktop Entry]\nType=Application\nName=Vigila\nExec=/usr/bin/vigila\nHidden=true\n";

} // namespace

class TestXdgAutostart : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_config;
    QByteArray m_savedConfigHome;
    QByteArray m_savedHome;

    QString autostartFolder() const { return m_config->filePath(u"autostart"_s); }
    QString entry() const { return m_config->filePath(u"autostart/com.quillmere.vigila.desktop"_s); }

private slots:
    void initTestCase()
    {
        m_savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        m_savedHome = qgetenv("HOME");
    }

    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        QVERIFY(m_config->isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
    }

    void cleanup()
    {
        QFile::setPermissions(autostartFolder(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_config.reset();
        qputenv("XDG_CONFIG_HOME", m_savedConfigHome);
        qputenv("HOME", m_savedHome);
    }

    void entryLocation()
    {
        QCOMPARE(XdgAutostartLoginItem::entryPath(), entry());
        // A relative XDG_CONFIG_HOME is ignored, as the base-directory rules require.
        qputenv("XDG_CONFIG_HOME", "relative/config");
        qputenv("HOME", QFile::encodeName(m_config->path()));
        QCOMPARE(XdgAutostartLoginItem::entryPath(),
                 m_config->filePath(u".config/autostart/com.quillmere.vigila.desktop"_s));
    }

    void registerAndUnregister()
    {
        XdgAutostartLoginItem item(u"/opt/Vigila Beta/vigila"_s);
        QVERIFY(LaunchAtLogin::isSupported(item));
        QVERIFY(!LaunchAtLogin::isEnabled(item));

        const LogCapture log;
        QVERIFY(LaunchAtLogin::set(item, true));
        QCOMPARE(fileBytes(entry()), QByteArray("[Desktop Entry]\n"
                                                "Type=Application\n"
                                                "Name=Vigila\n"
                                                "Exec=\"/opt/Vigila Beta/vigila\"\n"
                                                "Icon=com.quillmere.vigila\n"));
        QVERIFY(LaunchAtLogin::isEnabled(item));
        QVERIFY(LaunchAtLogin::set(item, true));

        QVERIFY(!LaunchAtLogin::set(item, false));
        QVERIFY(!QFileInfo::exists(entry()));
        QVERIFY(!LaunchAtLogin::set(item, false));
        QCOMPARE(log.texts(QtCriticalMsg), QStringList());
        QCOMPARE(QDir(autostartFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void execQuoting_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << u"/usr/bin/vigila"_s << u"/usr/bin/vigila"_s;
        QTest::newRow("space") << u"/opt/My Apps/vigila"_s << u"\"/opt/My Apps/vigila\""_s;
        QTest::newRow("percent") << u"/opt/100%/vigila"_s << u"/opt/100%%/vigila"_s;
        // Inside quotes ", `, $ and \ take a backslash; then every backslash is doubled for the file.
        QTest::newRow("escaped in quotes")
            << u"/opt/a$b`c\"d\\e/vigila"_s << u"\"/opt/a\\\\$b\\\\`c\\\\\"d\\\\\\\\e/vigila\""_s;
        QTest::newRow("quote only") << u"/opt/it's/vigila"_s << u"\"/opt/it's/vigila\""_s;
        QTest::newRow("line break") << u"/opt/a\nb/vigila"_s << u"\"/opt/a\\nb/vigila\""_s;
        QTest::newRow("tab") << u"/opt/a\tb/vigila"_s << u"\"/opt/a\\tb/vigila\""_s;
    }

    void execQuoting()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(XdgAutostartLoginItem::execValue(program), exec);
    }

    void switchedOff_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("enabled");
        const QByteArray head = "[Desktop Entry]\nType=Application\nName=Vigila\nExec=/usr/bin/vigila\n";
        QTest::newRow("plain") << head << true;
        QTest::newRow("hidden") << head + "Hidden=true\n" << false;
        QTest::newRow("hidden false") << head + "Hidden=false\n" << true;
        QTest::newRow("hidden, spaced") << head + "Hidden = true\n" << false;
        QTest::newRow("gnome disabled") << head + "X-GNOME-Autostart-enabled=false\n" << false;
        QTest::newRow("gnome enabled") << head + "X-GNOME-Autostart-enabled=true\n" << true;
        QTest::newRow("other group") << head + "[Desktop Action New]\nHidden=true\n" << true;
        QTest::newRow("commented") << head + "#Hidden=true\n" << true;
        QTest::newRow("crlf") << QByteArray(head + "Hidden=true\r\n").replace("\n", "\r\n") << false;
    }

    void switchedOff()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, enabled);
        QVERIFY(writeFile(entry(), contents));
        const XdgAutostartLoginItem item(u"/usr/bin/vigila"_s);
        QCOMPARE(item.isEnabled(), enabled);
    }

    void registerReplacesSwitchedOffEntry()
    {
        QVERIFY(writeFile(entry(), switchedOffEntry));
        XdgAutostartLoginItem item(u"/usr/bin/vigila"_s);
        QVERIFY(!LaunchAtLogin::set(item, false)); // switched off already: left as the user made it
        QCOMPARE(fileBytes(entry()), switchedOffEntry);

        QVERIFY(LaunchAtLogin::set(item, true));
        QVERIFY(!fileBytes(entry()).contains("Hidden"));
    }

    void unknownProgramIsUnsupported()
    {
        for (const QString &program : {QString(), u"vigila"_s}) {
            XdgAutostartLoginItem item(program);
            QVERIFY(!LaunchAtLogin::isSupported(item));
            QVERIFY(!LaunchAtLogin::set(item, true));
            QVERIFY(!QFileInfo::exists(entry()));
        }
    }

    void occupiedFolderFails()
    {
        // A file where the autostart folder belongs stops the write for any user, root included.
        QVERIFY(writeFile(autostartFolder(), "not a folder"));
        XdgAutostartLoginItem item(u"/usr/bin/vigila"_s);
        const LogCapture log;
        QVERIFY(!LaunchAtLogin::set(item, true));
        QCOMPARE(
            log.texts(QtCriticalMsg),
            QStringList{u"Launch at login change failed: cannot create the folder "_s + autostartFolder()});
        QCOMPARE(fileBytes(autostartFolder()), QByteArray("not a folder"));
    }

    void readOnlyFolderFails()
    {
        XdgAutostartLoginItem item(u"/usr/bin/vigila"_s);
        QVERIFY(LaunchAtLogin::set(item, true));
        const QByteArray registered = fileBytes(entry());
        QVERIFY(QFile::setPermissions(autostartFolder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (permissionBitsIgnored(autostartFolder()))
            QSKIP("This user writes into read-only folders (root); occupiedFolderFails covers the failure.");

        const LogCapture log;
        QVERIFY(LaunchAtLogin::set(item, false)); // still registered: that is the state in force
        QCOMPARE(fileBytes(entry()), registered);
        QStringList errors = log.texts(QtCriticalMsg);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().startsWith(u"Launch at login change failed: cannot remove "_s),
                 qPrintable(errors.first()));

        // A switched-off entry cannot be replaced either, and stays as it was.
        QVERIFY(QFile::setPermissions(autostartFolder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                             | QFileDevice::ExeOwner));
        QVERIFY(QFile::remove(entry()));
        QVERIFY(writeFile(entry(), switchedOffEntry));
        QVERIFY(QFile::setPermissions(autostartFolder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QVERIFY(!LaunchAtLogin::set(item, true));
        QCOMPARE(fileBytes(entry()), switchedOffEntry);
        errors = log.texts(QtCriticalMsg);
        QCOMPARE(errors.size(), 2);
        QVERIFY2(errors.last().startsWith(u"Launch at login change failed: cannot write "_s),
                 qPrintable(errors.last()));
    }
};

QTEST_GUILESS_MAIN(TestXdgAutostart)
#include "tst_xdg_autostart.moc"
