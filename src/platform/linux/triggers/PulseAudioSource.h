#pragma once

#include "triggers/TriggerSources.h"

#include <memory>

// The streams playing into the sound server's sinks, as libpulse reports them (PulseAudio itself,
// or PipeWire through pipewire-pulse). While following, a libpulse threaded main loop runs on a
// thread of its own: it connects (never spawning a server; PULSE_SERVER is honoured), subscribes
// to sink-input events and keeps the list of sink inputs; each new list reaches the main thread as
// a queued call. Without a server, or when it goes away, streams() is absent and the loop tries to
// connect again after 2 s, then 4, 8, … up to 60 s between tries, until one answers. Not
// following, there is no thread, no connection and no timer.
class PulseAudioSource final : public AudioSource {
    Q_OBJECT
public:
    explicit PulseAudioSource(QObject *parent = nullptr);
    ~PulseAudioSource() override;

    void setFollowing(bool on) override;
    std::optional<QList<AudioStream>> streams() const override { return m_streams; }

    // The client's state on the libpulse thread; defined in the source file.
    struct Link;

private:
    void received(quint64 period, std::optional<QList<AudioStream>> streams);

    std::unique_ptr<Link> m_link;
    // Counts periods of following, so that a list sent during an earlier one is dropped.
    quint64 m_period = 0;
    std::optional<QList<AudioStream>> m_streams;
};
