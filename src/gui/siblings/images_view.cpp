#include "gui/siblings/images_view.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>

#include "gui/qt_text.h"

namespace vtl::gui {

ImagesView::ImagesView(services::UpdateImages& images, QWidget* parent)
    : ListDialog(images.title(), images.columns(), parent), images_(images) {
    addButton(tr("&Insert"), [this] { insertImage(); });
    needsRow(addButton(tr("&Change"), [this] { changeCaption(); }));
    needsRow(addButton(tr("&Delete"), [this] { deleteImage(); }));
    needsRow(addButton(tr("&Open"), [this] { openImage(); }));
    addButton(tr("Close"), [this] { accept(); });
    onActivate([this] { openImage(); });
    refresh();
}

void ImagesView::refresh() { setRows(images_.rows(), images_.highlight()); }

void ImagesView::insertImage() {
    if (images_.insert()) refresh();
}

void ImagesView::changeCaption() {
    const int row = currentRow();
    if (row < 0) return;
    bool ok = false;
    const QString caption = QInputDialog::getText(this, tr("Change the Caption"), tr("&Caption:"), QLineEdit::Normal,
                                                  qs(images_.image(row).Caption.clip()), &ok);
    if (ok && images_.changeCaption(row, ss(caption.left(services::UpdateImages::kCaptionLength)))) refresh();
}

void ImagesView::deleteImage() {
    if (images_.remove(currentRow())) refresh();
}

void ImagesView::openImage() { images_.open(currentRow()); }

}  // namespace vtl::gui
