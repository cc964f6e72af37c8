#include "gui/siblings/sibling_views.h"

#include <QApplication>

#include "gui/siblings/drop_list_view.h"
#include "gui/siblings/images_view.h"
#include "gui/siblings/notes_view.h"
#include "gui/siblings/small_views.h"
#include "gui/siblings/text_library_view.h"

namespace vtl::gui {

namespace {
// The windows open over whichever window called them.
QWidget* caller() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

template <class View, class Controller>
void registerDialog(suite::Views& views) {
    views.set<Controller>([](Controller& c) {
        View view(c, caller());
        view.exec();
    });
}
}  // namespace

void registerSiblingViews(suite::Views& views) {
    registerDialog<NotesView, services::UpdateNotes>(views);
    registerDialog<ImagesView, services::UpdateImages>(views);
    registerDialog<DropListView, services::UpdateDropList>(views);
    registerDialog<LimListView, services::UpdateLimList>(views);
    registerDialog<TextLibraryView, services::BrowseText>(views);
    registerDialog<AccountView, services::EditAccountNum>(views);
    registerDialog<SendToView, services::SendToWindow>(views);
    views.set<services::GetCase>([](services::GetCase& c) {
        CaseMenu menu(c, caller());
        menu.run();
    });
}

}  // namespace vtl::gui
