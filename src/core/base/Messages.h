#pragma once

#include "core/base/Notice.h"

#include <QString>

#include <optional>

// Every message box and Yes/No question of the program goes through here.
// The core asks; whoever installed the presenter (the screens, or a test's
// recorder) decides how it is shown and answered.
namespace Messages {

enum class Buttons
{
    Ok,
    YesNo,
    YesNoCancel,
    OkCancel
};
enum class Answer
{
    Ok,
    Yes,
    No,
    Cancel
};

inline const QString AppTitle = QStringLiteral("Tavoro");

struct Message
{
    QString text;
    Icon icon = Icon::Information;
    QString caption = AppTitle;
    Buttons buttons = Buttons::Ok;
    // The button Enter presses; none named: the first (Yes or Ok).
    std::optional<Answer> defaultAnswer = std::nullopt;
};

class Presenter
{
public:
    virtual ~Presenter() = default;
    virtual Answer present(const Message& message) = 0;
};

// The caller keeps ownership; nullptr leaves messages unshown (answered Ok/No).
void setPresenter(Presenter* presenter);
Presenter* presenter();

Answer show(const Message& message);

void information(const QString& text, const QString& caption = AppTitle);
void exclamation(const QString& text, const QString& caption = AppTitle);
void critical(const QString& text, const QString& caption = AppTitle);
// What logic asked to be told; an empty notice shows nothing.
void tell(const Notice& notice);
// A Yes/No question with the question icon; true when answered Yes.
bool ask(const QString& text, const QString& caption = AppTitle);
// A question whose Yes deletes, settles or ends something: No is the default,
// so that a stray Enter keeps what is there. The text names what is at stake.
bool askDefaultNo(const QString& text, const QString& caption = AppTitle);

} // namespace Messages
