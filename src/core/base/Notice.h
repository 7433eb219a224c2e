#pragma once

#include <QString>

namespace Messages {

enum class Icon
{
    Information,
    Exclamation,
    Critical,
    Question
};

} // namespace Messages

// What logic asks a screen to tell the operator, worded as it is to be
// shown. Logic never shows it; an empty notice says nothing.
struct Notice
{
    QString text;
    Messages::Icon icon = Messages::Icon::Information;

    bool isEmpty() const { return text.isEmpty(); }

    static Notice information(const QString& text) { return {text, Messages::Icon::Information}; }
    static Notice exclamation(const QString& text) { return {text, Messages::Icon::Exclamation}; }
    static Notice critical(const QString& text) { return {text, Messages::Icon::Critical}; }
};
