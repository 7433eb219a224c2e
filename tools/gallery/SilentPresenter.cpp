#include "SilentPresenter.h"

#include <cstdio>

Messages::Answer SilentPresenter::present(const Messages::Message& message)
{
    std::fprintf(stderr, "message: %s\n", qUtf8Printable(message.text));
    switch (message.buttons) {
    case Messages::Buttons::Ok:
        return Messages::Answer::Ok;
    case Messages::Buttons::OkCancel:
    case Messages::Buttons::YesNoCancel:
        return Messages::Answer::Cancel;
    case Messages::Buttons::YesNo:
        break;
    }
    return Messages::Answer::No;
}
