#include "gui/siblings/sibling_views.h"

#include "gui/dialog_views.h"
#include "gui/siblings/drop_list_view.h"
#include "gui/siblings/images_view.h"
#include "gui/siblings/notes_view.h"
#include "gui/siblings/small_views.h"
#include "gui/siblings/text_library_view.h"

namespace vtl::gui {

void registerSiblingViews(suite::Views& views) {
    registerDialog<NotesView, services::UpdateNotes>(views);
    registerDialog<ImagesView, services::UpdateImages>(views);
    registerDialog<DropListView, services::UpdateDropList>(views);
    registerDialog<LimListView, services::UpdateLimList>(views);
    registerDialog<TextLibraryView, services::BrowseText>(views);
    registerDialog<AccountView, services::EditAccountNum>(views);
    registerDialog<SendToView, services::SendToWindow>(views);
    views.set<services::GetCase>([](services::GetCase& c) {
        CaseMenu menu(c, callingWindow());
        menu.run();
    });
}

}  // namespace vtl::gui
