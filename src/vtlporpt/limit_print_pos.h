#pragma once
// LimitPrintPOs: the window "Purchase Order Printing Limits", which chooses
// the purchase orders "Generate POs" prints (a PO-number range and printed or
// not) and how they are numbered and flagged, then prints them through
// PrintPurchaseOrderServer. "Print a Dummy PO" prints the sample order.
//
// The choices live in the "Generate POs" limits record of the user (made
// when missing) and in the module's print options, which also apply to the
// single prints that follow while the module stays loaded.
#include <string>

#include "platform/suite/session.h"
#include "records/records.h"

namespace vtl::rpt {

class LimitPrintPOs {
public:
    static constexpr const char* kTitle = "Purchase Order Printing Limits";
    static constexpr const char* kHelpTopic = "html/PO_Print_Purchase_Orders.htm";

    explicit LimitPrintPOs(Session& s);

    // Fetches (or makes) the "Generate POs" record and resets the options;
    // false when the record can neither be read nor made.
    bool open();

    // ---- the controls
    bool selectPONumbers() const { return limits_.SelectedPONumbers == 1; }
    void setSelectPONumbers(bool on);
    std::string poFrom() const { return limits_.POFrom.clip(); }
    std::string poTo() const { return limits_.POTo.clip(); }
    // A number not on file opens the pick list of purchase orders; false
    // when nothing was chosen (the entry keeps its old value).
    bool enterPOFrom(const std::string& typed);
    bool enterPOTo(const std::string& typed);
    bool lookupPOFrom() { return pick(true); }
    bool lookupPOTo() { return pick(false); }

    // "U" unprinted only, "P" printed only, "A" all.
    const std::string& printCondition() const;
    void setPrintCondition(const std::string& c);
    bool flagPrinted() const;
    void setFlagPrinted(bool on);
    // "B" blank ones, "A" all (replacing), "N" none.
    const std::string& assignNumbers() const;
    void setAssignNumbers(const std::string& a);
    ULong beginningNumber() const;
    void setBeginningNumber(ULong n);

    // ---- the buttons
    void printDummy();
    // Saves the record and closes; the procedure then prints.
    bool print();
    void cancel() { closed_ = true; }
    void playTraining();
    void help();

    bool closed() const { return closed_; }
    bool printRequested() const { return printRequested_; }
    const POLimits& limits() const { return limits_; }

private:
    bool pick(bool from);
    bool enterPO(const std::string& typed, bool from);
    bool save();

    Session& s_;
    POLimits limits_;
    bool closed_ = false;
    bool printRequested_ = false;
};

// The procedure: the window, then the print when it was asked for.
void runLimitPrintPOs(Session& s);

}  // namespace vtl::rpt
