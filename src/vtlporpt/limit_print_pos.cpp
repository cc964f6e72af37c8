#include "vtlporpt/limit_print_pos.h"

#include "platform/suite/error_object.h"
#include "siblings/services/help_topic.h"
#include "siblings/services/training.h"
#include "vtlpoent/call_out.h"
#include "vtlpoent/search/pick_po_master.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/print_shared.h"

namespace vtl::rpt {

LimitPrintPOs::LimitPrintPOs(Session& s) : s_(s) {}

bool LimitPrintPOs::open() {
    store::Table<POLimits> table(s_.store);
    POLimits l;
    l.Report = kGenerateReport;
    bool found = false;
    for (auto c = table.scan(POLimits::KeyReport, l, {false, 1, false}); c.next(l);)
        if (l.UserID.clip() == s_.globals.UserID) {
            found = true;
            break;
        }
    if (!found) {
        limits_ = POLimits();
        limits_.UserID = s_.globals.UserID;
        limits_.Report = kGenerateReport;
        limits_.ReportTitle = "*Standard Report";
        limits_.ModifyDate = s_.clock.today();
        if (!s_.errors.check(table.insert(limits_))) return false;
    } else {
        limits_ = l;
        limits_.SelectedPONumbers = 0;
        limits_.POFrom = "";
        limits_.POTo = "";
        s_.errors.check(table.update(limits_));
    }
    PrintOptions& o = printShared(s_.module).options;
    o.printCondition = "U";
    o.assignPONumber = "B";
    o.setPrintedFlag = 1;
    o.poNumber = limits_.RefFrom;
    return true;
}

void LimitPrintPOs::setSelectPONumbers(bool on) {
    limits_.SelectedPONumbers = on ? 1 : 0;
    if (!on) {
        limits_.POFrom = "";
        limits_.POTo = "";
    }
}

bool LimitPrintPOs::enterPOFrom(const std::string& typed) { return enterPO(typed, true); }
bool LimitPrintPOs::enterPOTo(const std::string& typed) { return enterPO(typed, false); }

bool LimitPrintPOs::enterPO(const std::string& typed, bool from) {
    if (!selectPONumbers()) return false;
    const auto number = ent::typedPONumber(s_, typed);
    if (!number) return false;
    (from ? limits_.POFrom : limits_.POTo) = *number;
    return true;
}

bool LimitPrintPOs::pick(bool from) {
    if (!selectPONumbers()) return false;
    const auto number = ent::pickPONumber(s_);
    if (!number) return false;
    (from ? limits_.POFrom : limits_.POTo) = *number;
    return true;
}

const std::string& LimitPrintPOs::printCondition() const { return printShared(s_.module).options.printCondition; }
void LimitPrintPOs::setPrintCondition(const std::string& c) { printShared(s_.module).options.printCondition = c; }
bool LimitPrintPOs::flagPrinted() const { return printShared(s_.module).options.setPrintedFlag != 0; }
void LimitPrintPOs::setFlagPrinted(bool on) { printShared(s_.module).options.setPrintedFlag = on ? 1 : 0; }
const std::string& LimitPrintPOs::assignNumbers() const { return printShared(s_.module).options.assignPONumber; }
void LimitPrintPOs::setAssignNumbers(const std::string& a) { printShared(s_.module).options.assignPONumber = a; }
ULong LimitPrintPOs::beginningNumber() const { return printShared(s_.module).options.poNumber; }
void LimitPrintPOs::setBeginningNumber(ULong n) { printShared(s_.module).options.poNumber = n; }

void LimitPrintPOs::printDummy() {
    s_.globals.DecimalVariable = kSampleMode;
    ent::callOut(s_, "PrintPurchaseOrderServer");
    s_.globals.PrintPreview = 1;
}

bool LimitPrintPOs::save() {
    limits_.RefFrom = beginningNumber();
    limits_.ModifyDate = s_.clock.today();
    return s_.errors.check(store::Table<POLimits>(s_.store).update(limits_));
}

bool LimitPrintPOs::print() {
    s_.globals.DecimalVariable = 0;
    if (!save()) return false;
    printRequested_ = true;
    closed_ = true;
    return true;
}

void LimitPrintPOs::playTraining() { services::playTrainingVideo(s_, "POPrint"); }
void LimitPrintPOs::help() { services::openHelp(s_, kHelpTopic); }

void runLimitPrintPOs(Session& s) {
    suite::ProcedureName named(s.errors, "LimitPrintPOs");
    LimitPrintPOs window(s);
    if (!window.open()) return;
    if (!s.views.run(window)) window.cancel();
    if (!window.printRequested()) return;
    s.globals.DecimalVariable = 0;
    ent::callOut(s, "PrintPurchaseOrderServer");
    s.globals.PrintPreview = 1;
}

}  // namespace vtl::rpt
