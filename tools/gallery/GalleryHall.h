#pragma once

#include "core/base/AppState.h"
#include "core/base/Result.h"

#include <QTemporaryDir>

#include <optional>

// A demo hall made by the database maker, opened as the program opens its
// database and logged in as the system operator. The connection goes when
// the hall does, and so does the folder when it was a temporary one.
class GalleryHall
{
public:
    GalleryHall() = default;
    ~GalleryHall();
    GalleryHall(const GalleryHall&) = delete;
    GalleryHall& operator=(const GalleryHall&) = delete;

    // Makes the hall in the given folder, which must not hold a database
    // yet, or in a temporary folder when none is given. The main window
    // shows the folder, so a fixed one keeps the pictures the same.
    Result open(const QString& makedbProgram, const QString& folder);

    AppState& state() { return m_state; }

private:
    Result make(const QString& makedbProgram, const QString& fullName);
    Result logIn();

    std::optional<QTemporaryDir> m_temporary;
    AppState m_state;
    bool m_opened = false;
};
