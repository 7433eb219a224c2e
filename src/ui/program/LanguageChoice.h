#pragma once

#include <QDialog>

class QButtonGroup;
class SettingsStore;

// Where the operator sets this counter's language: the system's, Chinese or
// English. It is read once at start-up, so a change shows from the next.
class LanguageChoice : public QDialog
{
    Q_OBJECT

public:
    explicit LanguageChoice(SettingsStore& settings, QWidget* parent = nullptr);

    void accept() override;

private:
    SettingsStore& m_settings;
    QButtonGroup* m_choices;
};
