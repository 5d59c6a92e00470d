#include "PulseAudioSource.h"

#include <QMap>
#include <QMetaObject>

#include <pulse/pulseaudio.h>

#include <algorithm>

namespace {

constexpr int firstRetrySeconds = 2;
constexpr int longestRetrySeconds = 60;

AudioStream streamOf(const pa_sink_input_info &info)
{
    AudioStream stream;
    stream.index = info.index;
    stream.application = QString::fromUtf8(pa_proplist_gets(info.proplist, PA_PROP_APPLICATION_NAME));
    stream.binary = QString::fromUtf8(pa_proplist_gets(info.proplist, PA_PROP_APPLICATION_PROCESS_BINARY));
    stream.corked = info.corked != 0;
    stream.muted = info.mute != 0;
    // A stream without a volume of its own (passthrough) cannot be turned down to nothing.
    stream.silent = info.has_volume && pa_cvolume_valid(&info.volume) && pa_cvolume_is_muted(&info.volume);
    return stream;
}

void dropOperation(pa_operation *operation)
{
    if (operation)
        pa_operation_unref(operation);
}

} // namespace

// Everything here but the constructor and destructor runs on the libpulse thread, with the loop's
// lock held (libpulse calls back that way); the main thread takes the lock to start and to stop.
struct PulseAudioSource::Link {
    Link(PulseAudioSource *owner, quint64 period)
        : owner(owner)
        , period(period)
    {
    }

    ~Link()
    {
        if (!loop)
            return;
        pa_threaded_mainloop_lock(loop);
        disconnect();
        if (retry)
            api()->time_free(retry);
        pa_threaded_mainloop_unlock(loop);
        pa_threaded_mainloop_stop(loop);
        pa_threaded_mainloop_free(loop);
    }

    pa_mainloop_api *api() const { return pa_threaded_mainloop_get_api(loop); }

    void connect()
    {
        pa_proplist *properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Vigila");
        pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "com.quillmere.vigila");
        context = pa_context_new_with_proplist(api(), "Vigila", properties);
        pa_proplist_free(properties);
        if (!context) {
            waitForServer();
            return;
        }
        pa_context_set_state_callback(context, &Link::stateChanged, this);
        pa_context_set_subscribe_callback(context, &Link::sinkInputEvent, this);
        // A failure here has usually gone through stateChanged already; lost() minds that.
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            lost();
    }

    void disconnect()
    {
        if (!context)
            return;
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_set_subscribe_callback(context, nullptr, nullptr);
        pa_context_disconnect(context); // cancels the pending operations: their callbacks never come
        pa_context_unref(context);
        context = nullptr;
        streams.clear();
        listed = false;
    }

    void lost()
    {
        if (!context)
            return;
        disconnect();
        publish(std::nullopt);
        waitForServer();
    }

    // The one timer, and only while following without a server.
    void waitForServer()
    {
        timeval due;
        pa_timeval_add(pa_gettimeofday(&due), pa_usec_t(retrySeconds) * PA_USEC_PER_SEC);
        retry = api()->time_new(api(), &due, &Link::retryDue, this);
        retrySeconds = std::min(retrySeconds * 2, longestRetrySeconds);
    }

    void publish(std::optional<QList<AudioStream>> list)
    {
        QMetaObject::invokeMethod(
            owner, [owner = owner, period = period, list = std::move(list)] { owner->received(period, list); },
            Qt::QueuedConnection);
    }

    void publishStreams()
    {
        if (listed)
            publish(streams.values());
    }

    static Link *of(void *data) { return static_cast<Link *>(data); }

    static void stateChanged(pa_context *context, void *data)
    {
        Link *link = of(data);
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            link->retrySeconds = firstRetrySeconds;
            dropOperation(pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_SINK_INPUT, nullptr, nullptr));
            dropOperation(pa_context_get_sink_input_info_list(context, &Link::listedAll, link));
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            link->lost();
            break;
        default:
            break;
        }
    }

    static void retryDue(pa_mainloop_api *api, pa_time_event *event, const timeval *, void *data)
    {
        Link *link = of(data);
        api->time_free(event);
        link->retry = nullptr;
        link->connect();
    }

    static void listedAll(pa_context *, const pa_sink_input_info *info, int end, void *data)
    {
        Link *link = of(data);
        if (!end) {
            link->streams.insert(info->index, streamOf(*info));
            return;
        }
        link->listed = true;
        link->publishStreams();
    }

    static void listedOne(pa_context *, const pa_sink_input_info *info, int end, void *data)
    {
        Link *link = of(data);
        // The end comes alone, with an error when the stream went away before it could be read:
        // its removal event follows.
        if (!end)
            link->streams.insert(info->index, streamOf(*info));
        else
            link->publishStreams();
    }

    static void sinkInputEvent(pa_context *context, pa_subscription_event_type_t type, uint32_t index, void *data)
    {
        Link *link = of(data);
        if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) != PA_SUBSCRIPTION_EVENT_SINK_INPUT)
            return;
        if ((type & PA_SUBSCRIPTION_EVENT_TYPE_MASK) == PA_SUBSCRIPTION_EVENT_REMOVE) {
            if (link->streams.remove(index))
                link->publishStreams();
            return;
        }
        dropOperation(pa_context_get_sink_input_info(context, index, &Link::listedOne, link));
    }

    PulseAudioSource *const owner;
    const quint64 period;
    pa_threaded_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    pa_time_event *retry = nullptr;
    int retrySeconds = firstRetrySeconds;
    bool listed = false; // the first full listing has come in since connecting
    QMap<quint32, AudioStream> streams;
};

PulseAudioSource::PulseAudioSource(QObject *parent)
    : AudioSource(parent)
{
}

PulseAudioSource::~PulseAudioSource()
{
    // Stops the thread before anything it may call back into goes.
    m_link.reset();
}

void PulseAudioSource::setFollowing(bool on)
{
    if (on == (m_link != nullptr))
        return;
    if (!on) {
        m_link.reset();
        // Not followed, the last list would go stale unseen; no one reads it meanwhile.
        m_streams.reset();
        return;
    }
    auto link = std::make_unique<Link>(this, ++m_period);
    link->loop = pa_threaded_mainloop_new();
    if (!link->loop)
        return;
    pa_threaded_mainloop_set_name(link->loop, "vigila-pulse");
    if (pa_threaded_mainloop_start(link->loop) < 0) {
        pa_threaded_mainloop_free(link->loop);
        link->loop = nullptr;
        return;
    }
    pa_threaded_mainloop_lock(link->loop);
    link->connect();
    pa_threaded_mainloop_unlock(link->loop);
    m_link = std::move(link);
}

void PulseAudioSource::received(quint64 period, std::optional<QList<AudioStream>> streams)
{
    if (period != m_period || !m_link || streams == m_streams)
        return;
    m_streams = std::move(streams);
    emit changed();
}
