#pragma once

#include "core/base/Messages.h"

#include <QList>

// Records every message and question the code under test shows, and answers
// questions from a script (Yes when the script is empty). Installed on
// construction; the previous presenter is back on destruction.
class MessageRecorder final : public Messages::Presenter
{
public:
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    Messages::Answer present(const Messages::Message& message) override;

    void answerNext(Messages::Answer answer) { m_script.append(answer); }
    void setDefaultAnswer(Messages::Answer answer) { m_default = answer; }

    const QList<Messages::Message>& messages() const { return m_messages; }
    int count() const { return int(m_messages.size()); }
    QStringList texts() const;
    const Messages::Message& last() const { return m_messages.last(); }

private:
    Messages::Presenter* m_previous;
    QList<Messages::Message> m_messages;
    QList<Messages::Answer> m_script;
    Messages::Answer m_default = Messages::Answer::Yes;
};
