#pragma once
// The attachments window of an entity.
#include "gui/siblings/list_dialog.h"
#include "siblings/services/images.h"

namespace vtl::gui {

class ImagesView : public ListDialog {
    Q_OBJECT
public:
    explicit ImagesView(services::UpdateImages& images, QWidget* parent = nullptr);

    void insertImage();
    void changeCaption();
    void deleteImage();
    void openImage();

private:
    void refresh();

    services::UpdateImages& images_;
};

}  // namespace vtl::gui
