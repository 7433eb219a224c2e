#include "app/MessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton buttonOf(Messages::Answer answer)
{
    switch (answer) {
    case Messages::Answer::Yes:
        return QMessageBox::Yes;
    case Messages::Answer::No:
        return QMessageBox::No;
    case Messages::Answer::Cancel:
        return QMessageBox::Cancel;
    case Messages::Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

Messages::Answer MessageBoxPresenter::present(const Messages::Message& message)
{
    using Messages::Answer;
    using Messages::Buttons;
    using Messages::Icon;

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(message.caption);
    box.setText(message.text);
    switch (message.icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (message.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    if (message.defaultAnswer)
        box.setDefaultButton(buttonOf(*message.defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return message.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}
