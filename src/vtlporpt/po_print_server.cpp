#include "vtlporpt/po_print_server.h"

#include "platform/suite/error_object.h"
#include "platform/suite/module_shared.h"
#include "platform/suite/settings_files.h"
#include "records/records.h"
#include "vtlpoent/call_out.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/designed/print_purchase_order.h"
#include "vtlporpt/email/email_po.h"
#include "vtlporpt/output/report_run.h"
#include "vtlporpt/standard_form.h"

namespace vtl::rpt {

POPrintRun& poPrintRun(const ModuleState& module) { return suite::moduleShared<POPrintRun>(module); }

std::string purchaseOrderEmailBody(const std::string& signature) {
    std::string body = "Please see attached Purchase Order.";
    const std::string sig = Text<500>(signature).clip();
    if (!sig.empty()) body += "\r\r" + sig;
    return body;
}

void runPrintPurchaseOrderServer(Session& s) {
    suite::ProcedureName named(s.errors, "PrintPurchaseOrderServer");
    Systems sys;
    store::Table<Systems>(s.store).all(Systems::KeySystemID).next(sys);
    UserFile user;
    user.UserID = s.globals.UserID;
    if (!store::Table<UserFile>(s.store).fetch(UserFile::KeyUserID, user)) user = UserFile();
    POPrintRun& run = poPrintRun(s.module);
    run = POPrintRun();
    run.pdfFileName = suite::joinPath(s.dataFolder, "Purchase Order.pdf");
    run.emailBody = purchaseOrderEmailBody(user.EmailSignature.str());
    // The designed form's layout is read before the work file is prepared:
    // one that cannot be used prints nothing and gives out no number.
    const bool designed = sys.POForm.clip() == "FormMaker";
    if (designed && !loadPurchaseOrderLayout(s)) return;
    {
        suite::ProcedureName preparing(s.errors, "CreatePOPrint");
        // A run that could not be kept has nothing to print: the rows there
        // are those of the run before.
        if (!CreatePOPrint(s).run()) return;
    }
    if (designed) {
        ent::callOut(s, kDesignedFormProcedure);
        return;
    }
    runPrintPurchaseOrderStandard(s);
}

void runPrintPurchaseOrderStandard(Session& s) {
    suite::ProcedureName named(s.errors, kStandardFormProcedure);
    printPurchaseOrderForm(s, kStandardFormProcedure, [&](report::TextMeasure& measure, const PrintProgress& progress) {
        return PrintPurchaseOrderStandard(s, measure).run(progress);
    });
}

void printPurchaseOrderForm(Session& s, const char* procedure, const PurchaseOrderPrinter& print) {
    POPrintRun& shared = poPrintRun(s.module);
    ReportRun output(s, "Purchase Orders");
    report::TextMeasure* measure = output.measure();
    if (!measure) {
        s.ui.tell("Purchase orders cannot be printed here: no fonts to lay the form out with.", procedure,
                  ui::Icon::Warning);
        return;
    }
    POPrint mine;
    mine.UserID = s.globals.UserID;
    output.begin(store::Table<POPrint>(s.store).count(POPrint::KeyUserID, mine, 1));
    PurchaseOrderFormRun result = print(*measure, [&](int done, int) { return output.step(done, done); });
    if (result.failed) return;
    if (result.document.empty()) {
        if (!result.nothingToPrint.empty() && output.keepPages())
            s.ui.tell(std::string(kNothingToPrint) + "|" + result.nothingToPrint, output.strings()["NothingToPrntTitle"],
                      ui::Icon::Information);
        return;
    }
    if (!result.pdfFileName.empty()) shared.pdfFileName = result.pdfFileName;
    const auto shown = output.finish(result.document, {"Generate PDF File", "Email PO (pdf)"});
    if (shown.button == 0) {
        if (auto choice = output.askPdfPath(shared.pdfFileName); choice && output.pdfWanted())
            output.writePdf(result.document, choice->path, choice->view);
    } else if (shown.button == 1) {
        shared.emailMe = true;
        const auto files = output.writePdf(result.document, shared.pdfFileName, false);
        // Only a single order has a vendor to offer; several go to whom the user types in.
        if (!files.empty()) emailPurchaseOrder(s, result.emailVendorID, files.front());
    }
}

}  // namespace vtl::rpt
