#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

struct AppState;
class SettingsStore;

// What a screen of the gallery may be built from: the demo hall's state,
// logged in as the system operator, and settings of the gallery's own.
struct GalleryContext
{
    AppState& state;
    SettingsStore& settings;
};

struct GalleryScreen
{
    // The picture's file name without ".png": the screen's class, followed by
    // "-" and the state for a screen shown in several states.
    QString name;
    std::function<std::unique_ptr<QWidget>(GalleryContext&)> make;
};

// Every screen of the program, in the order the gallery renders them.
QList<GalleryScreen> galleryScreens();
