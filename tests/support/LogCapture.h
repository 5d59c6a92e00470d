#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Collects every Qt log message while it lives, instead of printing it. One at a time.
class LogCapture final {
public:
    struct Message {
        QtMsgType type;
        QString category;
        QString text;
    };

    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    const QList<Message> &messages() const { return m_messages; }
    // The texts of the messages of one type, in order.
    QStringList texts(QtMsgType type) const;

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text);

    QList<Message> m_messages;
    QtMessageHandler m_previous = nullptr;
};
