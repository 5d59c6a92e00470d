#include "linux/triggers/PulseAudioSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <pulse/pulseaudio.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A private pulseaudio with one null sink, reached through PULSE_SERVER. Its HOME and
// XDG_RUNTIME_DIR lie in the temporary folder, so its cookie, state and socket stay there whoever
// runs it. As root, with --system=no, it only warns that it is not meant to run as root and
// otherwise runs as for any user; no other switch is needed either way.
class SoundServer {
public:
    explicit SoundServer(const QString &dir)
        : m_dir(dir)
    {
    }
    ~SoundServer() { stop(); }

    QString address() const { return u"unix:"_s + m_dir + u"/native"_s; }

    void start()
    {
        QDir(m_dir).mkpath(u"home"_s);
        QDir(m_dir).mkpath(u"run"_s);
        QFile::setPermissions(m_dir + u"/run"_s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, m_dir + u"/home"_s);
        environment.insert(u"XDG_RUNTIME_DIR"_s, m_dir + u"/run"_s);
        for (const QString &name : {u"PULSE_SERVER"_s, u"DBUS_SESSION_BUS_ADDRESS"_s, u"DISPLAY"_s})
            environment.remove(name);
        m_process.setProcessEnvironment(environment);
        m_log.clear();
        m_process.start(u"pulseaudio"_s,
                        {u"--daemonize=no"_s, u"--system=no"_s, u"--exit-idle-time=-1"_s, u"--disallow-exit"_s,
                         u"--use-pid-file=no"_s, u"-n"_s, u"--log-target=stderr"_s, u"--log-level=info"_s,
                         u"--load=module-null-sink"_s,
                         u"--load=module-native-protocol-unix socket=%1/native auth-anonymous=1"_s.arg(m_dir)});
    }

    // Started and answering, or gone for good.
    bool settled()
    {
        m_log += m_process.readAllStandardError();
        return m_log.contains("Daemon startup complete.") || m_process.state() == QProcess::NotRunning;
    }
    bool running() const { return m_process.state() == QProcess::Running; }
    QByteArray log() const { return m_log; }

    void stop()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QString m_dir;
    QProcess m_process;
    QByteArray m_log;
};

// A playback stream of the test's own, for what paplay cannot do: cork and uncork.
class OwnStream {
public:
    ~OwnStream()
    {
        if (!m_loop)
            return;
        pa_threaded_mainloop_stop(m_loop);
        if (m_stream)
            pa_stream_unref(m_stream);
        if (m_context) {
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
        }
        pa_threaded_mainloop_free(m_loop);
    }

    // Connects and opens a stream that starts corked, waiting on libpulse's signal at each step.
    bool open()
    {
        m_loop = pa_threaded_mainloop_new();
        if (!m_loop || pa_threaded_mainloop_start(m_loop) < 0)
            return false;
        Locked locked(m_loop);
        m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "vigila-test-own");
        pa_context_set_state_callback(m_context, [](pa_context *, void *loop) { wake(loop); }, m_loop);
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return false;
        pa_context_state_t context;
        while (PA_CONTEXT_IS_GOOD(context = pa_context_get_state(m_context)) && context != PA_CONTEXT_READY)
            pa_threaded_mainloop_wait(m_loop);
        const pa_sample_spec format{PA_SAMPLE_S16LE, 44100, 2};
        if (context != PA_CONTEXT_READY || !(m_stream = pa_stream_new(m_context, "corked", &format, nullptr)))
            return false;
        pa_stream_set_state_callback(m_stream, [](pa_stream *, void *loop) { wake(loop); }, m_loop);
        if (pa_stream_connect_playback(m_stream, nullptr, nullptr, PA_STREAM_START_CORKED, nullptr, nullptr) < 0)
            return false;
        pa_stream_state_t stream;
        while (PA_STREAM_IS_GOOD(stream = pa_stream_get_state(m_stream)) && stream != PA_STREAM_READY)
            pa_threaded_mainloop_wait(m_loop);
        return stream == PA_STREAM_READY;
    }

    void cork(bool on)
    {
        Locked locked(m_loop);
        if (pa_operation *operation = pa_stream_cork(m_stream, on, nullptr, nullptr))
            pa_operation_unref(operation);
    }

private:
    struct Locked {
        pa_threaded_mainloop *loop;
        explicit Locked(pa_threaded_mainloop *loop) : loop(loop) { pa_threaded_mainloop_lock(loop); }
        ~Locked() { pa_threaded_mainloop_unlock(loop); }
    };
    static void wake(void *loop) { pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop *>(loop), 0); }

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
};

std::optional<AudioStream> streamOf(const AudioSource &source, const QString &application)
{
    for (const AudioStream &stream : source.streams().value_or(QList<AudioStream>()))
        if (stream.application == application)
            return stream;
    return std::nullopt;
}

// The stream of one application as "<binary> <flags>", "-" when it is not there.
QString described(const AudioSource &source, const QString &application)
{
    const std::optional<AudioStream> stream = streamOf(source, application);
    if (!stream)
        return u"-"_s;
    QStringList words{stream->binary};
    for (auto [flag, word] : {std::pair{stream->corked, "corked"}, {stream->muted, "muted"}, {stream->silent, "silent"}})
        if (flag)
            words << QString::fromLatin1(word);
    return words.join(u' ');
}

int threadCount() { return int(QDir(u"/proc/self/task"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()); }

bool pactl(const QStringList &arguments)
{
    QProcess process;
    process.start(u"pactl"_s, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// paplay playing raw zeros (silence as far as anyone hears, but a stream all the same): endless
// from /dev/zero, or a file to its end.
struct Player {
    QProcess process;
    explicit Player(const QString &name, const QString &file = u"/dev/zero"_s)
    {
        process.start(u"paplay"_s, {u"--raw"_s, u"--client-name="_s + name, file});
    }
    ~Player()
    {
        process.kill();
        process.waitForFinished();
    }
};

} // namespace

class TestPulseAudioSource : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"pulseaudio"_s).isEmpty())
            QSKIP("pulseaudio is not installed (scripts/install-deps.sh test installs it with paplay and pactl)");
        QVERIFY(m_dir.isValid());
        m_server = std::make_unique<SoundServer>(m_dir.path());
        qputenv("PULSE_SERVER", m_server->address().toUtf8());
        m_server->start();
        QTRY_VERIFY_WITH_TIMEOUT(m_server->settled(), 20000);
        QVERIFY2(m_server->running(), m_server->log().constData());
    }

    void init()
    {
        m_source = std::make_unique<PulseAudioSource>();
        m_source->setFollowing(true);
        QTRY_VERIFY(m_source->streams().has_value());
    }

    void cleanup() { m_source.reset(); }

    void followsAStreamAsItChanges_data()
    {
        QTest::addColumn<QStringList>("change"); // pactl's arguments, %1 the stream
        QTest::addColumn<QString>("expected"); // the flags after the binary
        QTest::newRow("playing") << QStringList() << QString();
        QTest::newRow("muted") << QStringList{u"set-sink-input-mute"_s, u"%1"_s, u"1"_s} << u" muted"_s;
        QTest::newRow("volume zero") << QStringList{u"set-sink-input-volume"_s, u"%1"_s, u"0"_s} << u" silent"_s;
        QTest::newRow("one channel at zero")
            << QStringList{u"set-sink-input-volume"_s, u"%1"_s, u"0%"_s, u"100%"_s} << QString();
    }

    void followsAStreamAsItChanges()
    {
        QFETCH(QStringList, change);
        QFETCH(QString, expected);
        const QString name = u"vigila-test-player"_s;
        Player player(name);
        // The program that plays: paplay is pacat under another name.
        const QString binary = QFileInfo(QStandardPaths::findExecutable(u"paplay"_s)).canonicalFilePath().section(u'/', -1);
        QTRY_COMPARE(described(*m_source, name), binary);
        if (!change.isEmpty()) {
            const QString index = QString::number(streamOf(*m_source, name)->index);
            QVERIFY(pactl(change.replaceInStrings(u"%1"_s, index)));
        }
        QTRY_COMPARE(described(*m_source, name), binary + expected);
    }

    void followsCorking()
    {
        OwnStream stream;
        QVERIFY(stream.open());
        const QString name = u"vigila-test-own"_s;
        const QString binary = QCoreApplication::applicationFilePath().section(u'/', -1);
        QTRY_COMPARE(described(*m_source, name), binary + u" corked"_s);
        stream.cork(false);
        QTRY_COMPARE(described(*m_source, name), binary);
        stream.cork(true);
        QTRY_COMPARE(described(*m_source, name), binary + u" corked"_s);
    }

    void aStreamThatEndsGoes()
    {
        const QString file = m_dir.filePath(u"second.raw"_s);
        QFile raw(file);
        QVERIFY(raw.open(QIODevice::WriteOnly) && raw.write(QByteArray(44100 * 2 * 2, '\0')) > 0); // a second
        raw.close();
        const QString name = u"vigila-test-short"_s;
        bool seen = false;
        connect(m_source.get(), &AudioSource::changed, this, [&] { seen = seen || streamOf(*m_source, name); });
        Player player(name, file);
        QTRY_VERIFY(seen);
        QTRY_COMPARE(described(*m_source, name), u"-"_s);
        QTRY_COMPARE(player.process.state(), QProcess::NotRunning);
        QCOMPARE(player.process.exitCode(), 0); // played to the end
    }

    // Last but one: the server it restarts is the one the next test finds.
    void waitsForTheServerToComeBack()
    {
        m_server->stop();
        QTRY_VERIFY(!m_source->streams().has_value());
        m_server->start();
        QTRY_VERIFY_WITH_TIMEOUT(m_server->settled(), 20000);
        QVERIFY(m_server->running());
        // The first try again comes two seconds after the loss.
        QTRY_VERIFY_WITH_TIMEOUT(m_source->streams().has_value(), 20000);
        QCOMPARE(m_source->streams()->size(), 0);
    }

    // Let go, with a server or while waiting for one, the source keeps no thread and no answer.
    void lettingGoStopsEverything()
    {
        const int before = threadCount() - 1; // the source from init() follows
        m_server->stop();
        QTRY_VERIFY(!m_source->streams().has_value());
        m_source->setFollowing(false);
        QCOMPARE(threadCount(), before);
        m_server->start();
        QTRY_VERIFY_WITH_TIMEOUT(m_server->settled(), 20000);
        m_source->setFollowing(true);
        QCOMPARE(threadCount(), before + 1);
        QTRY_VERIFY(m_source->streams().has_value());
        m_source->setFollowing(false);
        QCOMPARE(threadCount(), before);
        QVERIFY(!m_source->streams().has_value());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SoundServer> m_server;
    std::unique_ptr<PulseAudioSource> m_source;
};

QTEST_GUILESS_MAIN(TestPulseAudioSource)
#include "tst_pulse_audio_source.moc"
