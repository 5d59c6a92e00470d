#include "LogCapture.h"
#include "TestFiles.h"
#include "app/LaunchAtLogin.h"
#include "linux/XdgAutostartLoginItem.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QByteArray switchedOffEntry =
    "[Desktop Entry]\nType=Application\nName=Vigila\nExec=/usr/bin/vigila\nHidden=true\n";
} // namespace

class TestXdgAutostart : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_config;
    QByteArray m_savedConfigHome;
    QByteArray m_savedHome;

    QString folder() const { return m_config->filePath(u"autostart"_s); }
    QString entry() const { return m_config->filePath(u"autostart/com.quillmere.vigila.desktop"_s); }
    void setFolderWritable(bool writable)
    {
        QFile::setPermissions(folder(),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                  (writable ? QFileDevice::WriteOwner : QFileDevice::Permissions()));
    }

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
        setFolderWritable(true);
        m_config.reset();
        qputenv("XDG_CONFIG_HOME", m_savedConfigHome);
        qputenv("HOME", m_savedHome);
    }

    void entryLocation()
    {
        QCOMPARE(XdgAutostartLoginItem::entryPath(), entry());
        // A relative XDG_CONFIG_HOME is invalid and ignored.
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
        QCOMPARE(TestFiles::read(entry()), QByteArray("[Desktop Entry]\nType=Application\nName=Vigila\n"
                                                      "Exec=\"/opt/Vigila Beta/vigila\"\n"
                                                      "Icon=com.quillmere.vigila\n"));
        QVERIFY(LaunchAtLogin::isEnabled(item));

        QVERIFY(!LaunchAtLogin::set(item, false));
        QCOMPARE(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(log.texts(QtCriticalMsg), QStringList());

        // Without an absolute program path there is nothing to start.
        XdgAutostartLoginItem relative(u"vigila"_s);
        QVERIFY(!LaunchAtLogin::set(relative, true));
        QVERIFY(!QFileInfo::exists(entry()));
    }

    void execQuoting_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << u"/usr/bin/vigila"_s << u"/usr/bin/vigila"_s;
        QTest::newRow("percent") << u"/opt/100%/vigila"_s << u"/opt/100%%/vigila"_s;
        // Inside quotes ", `, $ and \ take a backslash; then every backslash is doubled for the file.
        QTest::newRow("escaped in quotes")
            << u"/opt/a$b`c\"d\\e/vigila"_s << u"\"/opt/a\\\\$b\\\\`c\\\\\"d\\\\\\\\e/vigila\""_s;
        QTest::newRow("line break") << u"/opt/a\nb/vigila"_s << u"\"/opt/a\\nb/vigila\""_s;
    }

    void execQuoting()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(XdgAutostartLoginItem::execValue(program), exec);
    }

    // What the desktop reads at login passes the freedesktop validator, awkward program paths too.
    void registeredEntryValidates_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("installed") << u"/usr/bin/vigila"_s;
        QTest::newRow("space") << u"/opt/Vigila Beta/vigila"_s;
        QTest::newRow("percent") << u"/opt/100%/vigila"_s;
        QTest::newRow("shell characters") << u"/opt/a$b`c\"d\\e/vigila"_s;
        QTest::newRow("line break") << u"/opt/a\nb/vigila"_s;
    }

    void registeredEntryValidates()
    {
        QFETCH(QString, program);
        const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
        QVERIFY2(!validator.isEmpty(),
                 "desktop-file-validate is missing; scripts/install-deps.sh test installs it");
        XdgAutostartLoginItem item(program);
        QVERIFY(LaunchAtLogin::set(item, true));

        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start(validator, {entry()});
        QVERIFY(validate.waitForFinished(30000));
        const QByteArray report = validate.readAll();
        QVERIFY2(validate.exitStatus() == QProcess::NormalExit && validate.exitCode() == 0 &&
                     report.isEmpty(),
                 report.constData());
    }

    void switchedOff_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("enabled");
        const QByteArray head = "[Desktop Entry]\nType=Application\nName=Vigila\nExec=/usr/bin/vigila\n";
        QTest::newRow("plain") << head << true;
        QTest::newRow("hidden, spaced") << head + "Hidden = true\n" << false;
        QTest::newRow("gnome disabled") << head + "X-GNOME-Autostart-enabled=false\n" << false;
        QTest::newRow("other group") << head + "[Desktop Action New]\nHidden=true\n" << true;
        QTest::newRow("crlf") << QByteArray(head + "Hidden=true\n").replace("\n", "\r\n") << false;
    }

    void switchedOff()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, enabled);
        QVERIFY(TestFiles::write(entry(), contents));
        QCOMPARE(XdgAutostartLoginItem(u"/usr/bin/vigila"_s).isEnabled(), enabled);
    }

    void registerReplacesSwitchedOffEntry()
    {
        QVERIFY(TestFiles::write(entry(), switchedOffEntry));
        XdgAutostartLoginItem item(u"/usr/bin/vigila"_s);
        QVERIFY(!LaunchAtLogin::set(item, false)); // already off: left as the user made it
        QCOMPARE(TestFiles::read(entry()), switchedOffEntry);
        QVERIFY(LaunchAtLogin::set(item, true));
        QVERIFY(!TestFiles::read(entry()).contains("Hidden"));
    }

    // A link at the entry's place is replaced by the entry; whatever it points to stays as it was.
    void registerReplacesALinkWithoutWritingThroughIt_data()
    {
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("to a file") << true;
        QTest::newRow("dangling") << false;
    }

    void registerReplacesALinkWithoutWritingThroughIt()
    {
        QFETCH(bool, targetExists);
        const QString target = m_config->filePath(u"elsewhere/file"_s);
        if (targetExists)
            QVERIFY(TestFiles::write(target, switchedOffEntry));
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(QFile::link(target, entry()));

        XdgAutostartLoginItem item(u"/usr/bin/vigila"_s);
        QVERIFY(LaunchAtLogin::set(item, true));
        QVERIFY(!QFileInfo(entry()).isSymLink());
        QVERIFY(TestFiles::read(entry()).contains("Exec=/usr/bin/vigila\n"));
        QCOMPARE(QFileInfo::exists(target), targetExists);
        if (targetExists)
            QCOMPARE(TestFiles::read(target), switchedOffEntry);
        QCOMPARE(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{u"com.quillmere.vigila.desktop"_s});
    }

    void occupiedFolderFails()
    {
        // A file where the autostart folder belongs stops the write for any user, root included.
        QVERIFY(TestFiles::write(folder(), "not a folder"));
        XdgAutostartLoginItem item(u"/usr/bin/vigila"_s);
        const LogCapture log;
        QVERIFY(!LaunchAtLogin::set(item, true));
        QCOMPARE(log.texts(QtCriticalMsg),
                 QStringList{u"Launch at login change failed: cannot create the folder "_s + folder()});
    }

    void readOnlyFolderFails()
    {
        XdgAutostartLoginItem item(u"/usr/bin/vigila"_s);
        QVERIFY(LaunchAtLogin::set(item, true));
        const QByteArray registered = TestFiles::read(entry());
        setFolderWritable(false);
        if (TestFiles::permissionBitsIgnored(folder()))
            QSKIP("This user writes into read-only folders (root); occupiedFolderFails covers the failure.");

        const LogCapture log;
        QVERIFY(LaunchAtLogin::set(item, false)); // still registered: that is the state in force
        QCOMPARE(TestFiles::read(entry()), registered);

        setFolderWritable(true);
        QVERIFY(TestFiles::write(entry(), switchedOffEntry));
        setFolderWritable(false);
        QVERIFY(!LaunchAtLogin::set(item, true));
        QCOMPARE(TestFiles::read(entry()), switchedOffEntry); // not replaced, not truncated

        const QStringList errors = log.texts(QtCriticalMsg);
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors.at(0).startsWith(u"Launch at login change failed: cannot remove "_s));
        QVERIFY(errors.at(1).startsWith(u"Launch at login change failed: cannot write "_s));
    }
};

QTEST_GUILESS_MAIN(TestXdgAutostart)
#include "tst_xdg_autostart.moc"
