#pragma once

#include "core/base/Messages.h"

// Shows the program's messages as modal message boxes over the active window.
class MessageBoxPresenter final : public Messages::Presenter
{
public:
    Messages::Answer present(const Messages::Message& message) override;
};
