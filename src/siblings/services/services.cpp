#include "siblings/services/services.h"

namespace vtl::services {

void registerServices(suite::ProcedureTable& table) {
    table.set("UpdateNotes", servedBy<NotesArgs>(runUpdateNotes));
    table.set("UpdateImages", servedBy<ImagesArgs>(runUpdateImages));
    table.set("UpdateDropList", servedBy<DropListArgs>(runUpdateDropList));
    table.set("UpdateLimList", servedBy<LimListArgs>(runUpdateLimList));
    // The library can also be opened on its own, to keep its texts.
    table.set("BrowseText", [](Session& session) {
        TextArgs own;
        TextArgs* args = currentArgs<TextArgs>();
        runBrowseText(session, args ? *args : own);
    });
    table.set("EditAccountNum", servedBy<AccountArgs>(runEditAccountNum));
    table.set("GetCase", servedBy<CaseArgs>(runGetCase));
    table.set("ReportExport", servedBy<ExportArgs>(runReportExport));
    table.set("SendTo_Window", servedBy<SendToArgs>(runSendTo));
    table.set("PlayTraining", servedBy<TrainingArgs>(runPlayTraining));
}

}  // namespace vtl::services
