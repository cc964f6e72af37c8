#pragma once
// The suite's shared services that the module's windows call: notes,
// attachments, drop lists, limit lists, standard texts, account entry, text
// case, report export, send-to and training videos.
//
// Each is a plain function with its arguments (updateNotes(session,
// "POMaster", "1042")) that goes through the procedure table under the
// suite's name ("UpdateNotes"), so a test may put a stand-in there; the
// stand-in finds the call's arguments with currentArgs<NotesArgs>().
#include "platform/suite/procedures.h"
#include "siblings/services/account_number.h"
#include "siblings/services/drop_list.h"
#include "siblings/services/help_topic.h"
#include "siblings/services/images.h"
#include "siblings/services/lim_list.h"
#include "siblings/services/notes.h"
#include "siblings/services/report_export.h"
#include "siblings/services/send_to.h"
#include "siblings/services/text_case.h"
#include "siblings/services/text_library.h"
#include "siblings/services/training.h"

namespace vtl::services {

// Puts UpdateNotes, UpdateImages, UpdateDropList, UpdateLimList, BrowseText,
// EditAccountNum, GetCase, ReportExport, SendTo_Window and PlayTraining in
// the table.
void registerServices(suite::ProcedureTable& table);

}  // namespace vtl::services
