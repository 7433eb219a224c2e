#include "support/MessageRecorder.h"

MessageRecorder::MessageRecorder()
    : m_previous(Messages::presenter())
{
    Messages::setPresenter(this);
}

MessageRecorder::~MessageRecorder()
{
    Messages::setPresenter(m_previous);
}

Messages::Answer MessageRecorder::present(const Messages::Message& message)
{
    m_messages.append(message);
    if (message.buttons == Messages::Buttons::Ok)
        return Messages::Answer::Ok;
    if (!m_script.isEmpty())
        return m_script.takeFirst();
    return m_default;
}

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const auto& m : m_messages)
        result.append(m.text);
    return result;
}
