#include "core/base/Messages.h"

namespace Messages {

namespace {
Presenter* current = nullptr;
}

void setPresenter(Presenter* presenter)
{
    current = presenter;
}

Presenter* presenter()
{
    return current;
}

Answer show(const Message& message)
{
    if (current)
        return current->present(message);
    return message.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

void information(const QString& text, const QString& caption)
{
    show({text, Icon::Information, caption, Buttons::Ok});
}

void exclamation(const QString& text, const QString& caption)
{
    show({text, Icon::Exclamation, caption, Buttons::Ok});
}

void critical(const QString& text, const QString& caption)
{
    show({text, Icon::Critical, caption, Buttons::Ok});
}

void tell(const Notice& notice)
{
    if (!notice.isEmpty())
        show({notice.text, notice.icon});
}

bool ask(const QString& text, const QString& caption)
{
    return show({text, Icon::Question, caption, Buttons::YesNo}) == Answer::Yes;
}

bool askDefaultNo(const QString& text, const QString& caption)
{
    return show({text, Icon::Question, caption, Buttons::YesNo, Answer::No}) == Answer::Yes;
}

} // namespace Messages
