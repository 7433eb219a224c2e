#include "GalleryScreens.h"

#include "admin/frm_syskey.h"
#include "app/AppState.h"
#include "app/Form_main.h"
#include "app/Frm_active.h"
#include "app/Frm_pathset.h"
#include "data/FrmstcsSET.h"

QList<GalleryScreen> galleryScreens()
{
    return {
        {QStringLiteral("Frm_active"),
         [](GalleryContext&) {
             return std::make_unique<Frm_active>();
         }},
        {QStringLiteral("frm_syskey"),
         [](GalleryContext& c) {
             return std::make_unique<frm_syskey>(c.state);
         }},
        {QStringLiteral("Frm_pathset"),
         [](GalleryContext& c) {
             return std::make_unique<Frm_pathset>(c.settings);
         }},
        {QStringLiteral("FrmstcsSET"),
         [](GalleryContext& c) {
             return std::make_unique<FrmstcsSET>(c.state);
         }},
        {QStringLiteral("Form_main"),
         [](GalleryContext& c) {
             auto screen = std::make_unique<Form_main>(c.state);
             screen->applyLogin();
             screen->setWindowState(Qt::WindowMaximized);
             return screen;
         }},
    };
}
