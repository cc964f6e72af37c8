#include "commands/print.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "commands/batch_report.h"
#include "commands/batch_ui.h"
#include "records/database.h"
#include "records/records.h"
#include "report/pages/devices.h"
#include "report/render/render_devices.h"
#include "vtlpo/module.h"
#include "vtlpoent/dialogs/confirm_blank_po.h"
#include "vtlpoent/line/line_procedures.h"
#include "vtlpoent/procedures.h"
#include "vtlporec/procedures.h"
#include "vtlporpt/email/curl_mail_sender.h"
#include "vtlporpt/email/email_po.h"
#include "vtlporpt/limit_print_pos.h"
#include "vtlporpt/output/report_run.h"
#include "vtlporpt/print_shared.h"
#include "vtlporpt/procedures.h"

namespace vtl::cli {

const char* const kPrintUsage =
    "       vtlpo print --data DIR [--user ID] WHAT --pdf FILE [--email]\n"
    "           WHAT: --po POID [--po POID ...]   those purchase orders\n"
    "                 --generate [--range FROM TO] [--condition U|P|A] [--assign B|A|N] [--flag-printed]\n"
    "                            [--beginning N]\n"
    "                                           the orders \"Generate POs\" chooses (unprinted, blank\n"
    "                                           numbers given from the kept next number or N, none\n"
    "                                           flagged, unless told otherwise)\n"
    "                 --blank | --sample | --dummy\n"
    "           --email sends the PDF of one --po to the recipients its vendor's addresses give\n";

namespace {

struct PrintArgs {
    std::string data, user, pdf;
    std::vector<ULong> poids;
    bool generate = false, blank = false, sample = false, dummy = false, email = false;
    std::optional<std::pair<std::string, std::string>> range;
    std::string condition = "U", assign = "B";
    bool flagPrinted = false;
    std::optional<ULong> beginning;
    bool generateOptions = false;  // any of --range, --condition, --assign, --flag-printed
    std::string problem;
};

PrintArgs parseArgs(const std::vector<std::string>& args) {
    PrintArgs p;
    auto value = [&](std::size_t& i, const char* what) -> std::optional<std::string> {
        if (i + 1 >= args.size()) {
            p.problem = args[i] + " needs " + what;
            return std::nullopt;
        }
        return args[++i];
    };
    for (std::size_t i = 0; i < args.size() && p.problem.empty(); ++i) {
        const std::string& a = args[i];
        if (a == "--data") {
            if (auto v = value(i, "a folder")) p.data = *v;
        } else if (a == "--user") {
            if (auto v = value(i, "a user id")) p.user = *v;
        } else if (a == "--pdf") {
            if (auto v = value(i, "a file name")) p.pdf = *v;
        } else if (a == "--po") {
            auto v = value(i, "a purchase order's POID");
            if (!v) break;
            char* end = nullptr;
            const unsigned long long id = std::strtoull(v->c_str(), &end, 10);
            if (v->empty() || *end != '\0' || id == 0 || id > 0xFFFFFFFFull || (*v)[0] == '-')
                p.problem = "--po needs a purchase order's POID, a whole number: \"" + *v + "\"";
            else
                p.poids.push_back(static_cast<ULong>(id));
        } else if (a == "--range") {
            if (i + 2 >= args.size()) {
                p.problem = "--range needs two PO numbers, FROM and TO";
                break;
            }
            p.range = std::make_pair(args[i + 1], args[i + 2]);
            i += 2;
            p.generateOptions = true;
        } else if (a == "--condition") {
            auto v = value(i, "U, P or A");
            if (v && *v != "U" && *v != "P" && *v != "A") p.problem = "--condition is U, P or A, not \"" + *v + "\"";
            if (v) p.condition = *v;
            p.generateOptions = true;
        } else if (a == "--assign") {
            auto v = value(i, "B, A or N");
            if (v && *v != "B" && *v != "A" && *v != "N") p.problem = "--assign is B, A or N, not \"" + *v + "\"";
            if (v) p.assign = *v;
            p.generateOptions = true;
        } else if (a == "--beginning") {
            auto v = value(i, "a number");
            if (!v) break;
            char* end = nullptr;
            const unsigned long long n = std::strtoull(v->c_str(), &end, 10);
            if (v->empty() || *end != '\0' || n == 0 || n > 0xFFFFFFFFull || (*v)[0] == '-')
                p.problem = "--beginning needs a whole number from 1: \"" + *v + "\"";
            else
                p.beginning = static_cast<ULong>(n);
            p.generateOptions = true;
        } else if (a == "--flag-printed") {
            p.flagPrinted = true;
            p.generateOptions = true;
        } else if (a == "--generate") {
            p.generate = true;
        } else if (a == "--blank") {
            p.blank = true;
        } else if (a == "--sample") {
            p.sample = true;
        } else if (a == "--dummy") {
            p.dummy = true;
        } else if (a == "--email") {
            p.email = true;
        } else {
            p.problem = "unknown option " + a;
        }
    }
    if (!p.problem.empty()) return p;
    const int chosen = (p.poids.empty() ? 0 : 1) + p.generate + p.blank + p.sample + p.dummy;
    if (p.data.empty())
        p.problem = "print needs --data DIR";
    else if (chosen != 1)
        p.problem = "print needs one of --po, --generate, --blank, --sample or --dummy";
    else if (p.pdf.empty())
        p.problem = "print needs --pdf FILE";
    else if (p.generateOptions && !p.generate)
        p.problem = "--range, --condition, --assign, --flag-printed and --beginning go with --generate";
    else if (p.email && p.poids.size() != 1)
        p.problem = "--email sends one purchase order: give it with one --po";
    return p;
}

// The pages each run shows in its preview, kept to be written as one file.
struct Printed {
    report::Document document;
    int runs = 0;
};

}  // namespace

int printCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminal) {
    const PrintArgs a = parseArgs(args);
    if (!a.problem.empty()) {
        err << "vtlpo: " << a.problem << "\n" << kPrintUsage;
        return 2;
    }
    BatchFolder opened;
    if (const int rc = openBatchFolder(a.data, a.user, err, opened)) return rc;
    const std::string& folder = opened.folder;
    OpenResult& db = opened.db;
    ensureGuiApplication();

    ULong vendorId = 0;
    for (ULong poid : a.poids) {
        POMaster po;
        po.POID = poid;
        if (!store::Table<POMaster>(*db.store).fetch(POMaster::KeyPOID, po)) {
            err << "vtlpo: purchase order " << poid << " is not on file\n";
            return 1;
        }
        vendorId = po.VendorID;
    }

    const auto loaded = loadModule(folder);
    vtlpo::Module& module = *loaded;
    BatchUi ui(err, terminal);
    SystemClock clock;
    Session s = module.session(*db.store, ui, clock, folder, "");
    ent::registerEntryProcedures(s.procedures);
    ent::registerLineProcedures(s.procedures, &module.autoEntry());
    rec::registerRecProcedures(s.procedures);
    rpt::registerReportProcedures(s.procedures);
    render::registerReportDevices(s.views);
    Printed printed;
    s.views.set<report::ReportPreview>([&](report::ReportPreview& p) {
        if (printed.runs++ == 0) printed.document.title = p.document().title;
        for (const report::Page& page : p.document().pages) printed.document.pages.push_back(page);
        p.close();
    });
    s.globals.UserID = a.user;
    s.globals.PrintPreview = 1;

    // The numbers the run gives and the orders it flags printed stay only
    // once the PDF file is written: a full disk or a failed write leaves
    // the orders as they were, to be printed again. (The printing runs'
    // own transactions nest inside this one.)
    store::Transaction run(*db.store);
    if (!run.status()) {
        err << "vtlpo: " << folder << ": " << run.status().message << "; nothing was printed\n";
        module.kill();
        return 1;
    }

    if (!a.poids.empty()) {
        for (ULong poid : a.poids) {
            s.globals.DecimalVariable = poid;
            s.call("PrintPurchaseOrderServer");
        }
    } else if (a.generate) {
        rpt::LimitPrintPOs limits(s);
        if (!limits.open()) return 1;
        if (a.range) {
            limits.setSelectPONumbers(true);
            if (!limits.enterPOFrom(a.range->first) || !limits.enterPOTo(a.range->second)) {
                err << "vtlpo: the PO numbers of --range must be on file: \"" << a.range->first << "\" to \""
                    << a.range->second << "\"\n";
                return 1;
            }
        }
        limits.setPrintCondition(a.condition);
        limits.setAssignNumbers(a.assign);
        limits.setFlagPrinted(a.flagPrinted);
        if (a.beginning) limits.setBeginningNumber(*a.beginning);
        if (!limits.print()) return 1;
        s.globals.DecimalVariable = 0;
        s.call("PrintPurchaseOrderServer");
    } else if (a.blank) {
        Systems sys;
        store::Table<Systems>(s.store).all(0).next(sys);
        ent::ConfirmBlankPO blank;
        blank.useNextNumber = sys.AutoNumberPOs != 0;
        blank.proceed = true;
        ent::confirmedBlankPO(s.module) = blank;
        s.globals.DecimalVariable = rpt::kBlankFormMode;
        s.call("PrintPurchaseOrderServer");
    } else if (a.sample) {
        s.globals.DecimalVariable = rpt::kSampleMode;
        s.call("PrintPurchaseOrderServer");
    } else {
        s.call("PurchaseOrderDummy");
    }

    if (printed.document.empty()) {
        if (ui.told().empty()) err << "vtlpo: nothing was printed\n";
        module.kill();
        return 1;
    }
    rpt::ReportRun output(s, printed.document.title);
    const std::vector<std::string> files = output.writePdf(printed.document, a.pdf, false);
    if (files.empty()) {
        module.kill();
        return 1;
    }
    if (const store::Status kept = run.commit(); !kept) {
        std::error_code ec;
        for (const std::string& f : files) std::filesystem::remove(f, ec);
        err << "vtlpo: " << kept.message << "; nothing was printed\n";
        module.kill();
        return 1;
    }
    out << wroteLine(files.front(), printed.document.pages.size()) << "\n";
    int rc = 0;
    if (a.email) {
        const rpt::SendResult sent = rpt::emailPurchaseOrderUnattended(s.store, s.settings, files.front(), vendorId,
                                                                       rpt::defaultMailSender(), a.user);
        if (sent.sent) {
            out << "e-mailed " << files.front() << "\n";
        } else {
            err << "vtlpo: " << sent.error << "\n";
            rc = 1;
        }
    }
    module.kill();
    return rc;
}

}  // namespace vtl::cli
