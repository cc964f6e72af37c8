#include "gui/imp/imp_views.h"

#include "gui/dialog_views.h"
#include "gui/imp/export_po_view.h"
#include "gui/imp/import_po_master_view.h"
#include "gui/imp/update_po_master_import_view.h"

namespace vtl::gui {

void registerImportViews(suite::Views& views) {
    registerDialog<ImportPOMasterView, imp::ImportPOMaster>(views);
    registerDialog<BrowseErrQueView, imp::BrowseErrQue>(views);
    registerDialog<UpdatePOMasterImportView, imp::UpdatePOMasterImport>(views);
    registerDialog<ImportItemEditorView, imp::ImportItemEditor>(views);
    registerDialog<ExportPOView, imp::ExportPO>(views);
}

}  // namespace vtl::gui
