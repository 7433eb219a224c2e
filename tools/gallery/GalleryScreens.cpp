#include "GalleryScreens.h"

#include "admin/Form_datecz.h"
#include "admin/Form_kl.h"
#include "admin/Formstop.h"
#include "admin/FrmClearData.h"
#include "admin/Frm_czy_add.h"
#include "admin/Frm_czy_find.h"
#include "admin/Frm_czy_setup.h"
#include "admin/Frm_czyrz.h"
#include "admin/frm_czy_password.h"
#include "admin/frm_syskey.h"
#include "app/AppState.h"
#include "app/Form_main.h"
#include "app/Frm_active.h"
#include "app/Frm_pathset.h"
#include "data/FrmstcsSET.h"

namespace {

// A screen made from the state alone, under its class name.
template <typename Screen>
GalleryScreen fromState(const char* name)
{
    return {QString::fromLatin1(name), [](GalleryContext& c) {
                return std::make_unique<Screen>(c.state);
            }};
}

} // namespace

QList<GalleryScreen> galleryScreens()
{
    return {
        {QStringLiteral("Frm_active"),
         [](GalleryContext&) {
             return std::make_unique<Frm_active>();
         }},
        fromState<frm_syskey>("frm_syskey"),
        {QStringLiteral("Frm_pathset"),
         [](GalleryContext& c) {
             return std::make_unique<Frm_pathset>(c.settings);
         }},
        fromState<FrmstcsSET>("FrmstcsSET"),
        {QStringLiteral("Form_main"),
         [](GalleryContext& c) {
             auto screen = std::make_unique<Form_main>(c.state);
             screen->applyLogin();
             screen->setWindowState(Qt::WindowMaximized);
             return screen;
         }},
        fromState<Frm_czy_setup>("Frm_czy_setup"),
        fromState<Frm_czy_add>("Frm_czy_add"),
        {QStringLiteral("Frm_czy_find"),
         [](GalleryContext&) {
             return std::make_unique<Frm_czy_find>();
         }},
        fromState<frm_czy_password>("frm_czy_password"),
        fromState<Formstop>("Formstop"),
        fromState<FrmClearData>("FrmClearData"),
        fromState<Form_kl>("Form_kl"),
        fromState<Form_datecz>("Form_datecz"),
        fromState<Frm_czyrz>("Frm_czyrz"),
    };
}
