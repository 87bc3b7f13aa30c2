#include "app/MainLayout.h"

#include "app/TfrmMain.h"

namespace pw {

void LayOutTitleBanner(TfrmMain& form, int clientWidth) {
    form.imgTitle.SetBounds({0, 0, clientWidth, 50});
    ui::Rect update = form.lUpdate.Bounds();
    update.left = clientWidth - update.width - 10;
    form.lUpdate.SetBounds(update);
    ui::Rect icon = form.iUpdate.Bounds();
    icon.left = update.left - 20;
    form.iUpdate.SetBounds(icon);
}

} // namespace pw
