#pragma once

#include "core/base/Messages.h"

// Keeps message boxes off the pictures: each message is written to the
// error output instead, and questions are answered as a closed box would be.
class SilentPresenter final : public Messages::Presenter
{
public:
    Messages::Answer present(const Messages::Message& message) override;
};
