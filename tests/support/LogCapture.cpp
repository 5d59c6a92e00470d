#include "LogCapture.h"

#include <QStringList>

namespace {
QList<LogCapture::Message> *sink = nullptr;
} // namespace

LogCapture::LogCapture()
{
    Q_ASSERT(!sink);
    sink = &m_messages;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    sink = nullptr;
}

QStringList LogCapture::texts(QtMsgType type) const
{
    QStringList result;
    for (const Message &message : m_messages) {
        if (message.type == type)
            result.append(message.text);
    }
    return result;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (sink)
        sink->append({type, QString::fromUtf8(context.category ? context.category : ""), text});
}
