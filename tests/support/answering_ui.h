#pragma once
// A clerk for the random workloads (the model test of the running figures
// and the crash test): answers every question Yes (or the first button)
// unless told otherwise, keeps the texts of the error messages, which are
// faults of the operation, and enters a receipt on a line as a person
// would, serial numbers included.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ui.h"
#include "records/records.h"
#include "vtlporec/reconcile_po_detail.h"

namespace vtl::test {

class AnsweringUi : public ui::Ui {
public:
    std::vector<std::string> errors;
    std::function<int(const std::string& title, const std::string& buttons)> answer;

    int ask(const std::string& text, const std::string& title, const std::string& buttons, ui::Icon icon,
            int) override {
        if (icon == ui::Icon::Error) errors.push_back(title + ": " + text);
        if (answer) return answer(title, buttons);
        const auto b = ui::splitButtons(buttons);
        for (std::size_t i = 0; i < b.size(); ++i)
            if (b[i] == "&Yes") return static_cast<int>(i) + 1;
        return 1;
    }
    void beep() override {}
    void setBusy(bool) override {}
    std::optional<std::string> openFile(const std::string&, const ui::FileFilter&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const ui::FileFilter&, const std::string&) override {
        return std::nullopt;
    }
    std::unique_ptr<ui::Progress> progress(const std::string&, const std::string&) override { return nullptr; }
    std::optional<std::string> lookup(const ui::LookupSpec&) override { return std::nullopt; }
    void copyToClipboard(const std::string&) override {}
    bool openExternally(const std::string&) override { return true; }
};

// Enters `slip` as this packing slip's quantity of `line` in its open
// receiving form and saves it. A serialized item needs a serial number for
// each unit received: one unit alone takes the number `oneSerial` gives, more are numbered
// in turn; a count the form cannot take in whole units is skipped.
inline std::string enterReceipt(rec::ReconcilePODetail& f, const PODetail& line, Quantity slip,
                                const std::function<std::string()>& oneSerial) {
    if (f.serialized()) {
        const Quantity n = line.QtyRcvdNotInvoiced + slip;
        if (n == Quantity(1) && line.QtyRcvdNotInvoiced.isZero()) {
            f.setQtyThisPackSlip(slip);
            f.setSerialNo(oneSerial());
        } else if (slip > Quantity(1)) {
            f.setQtyThisPackSlip(slip);
            const int want = static_cast<int>(n.toDouble());
            while (static_cast<int>(f.serials().size()) > want) f.deleteSerial(0);
            for (int i = static_cast<int>(f.serials().size()); i < want; ++i)
                f.insertSerial("SN-" + std::to_string(line.DetailID) + "-" + std::to_string(i));
        } else {
            f.cancel();
            return "receive: serial count skipped";
        }
    } else {
        f.setQtyThisPackSlip(slip);
    }
    if (!f.ok()) f.cancel();
    return "receive " + std::to_string(line.DetailID) + " " + slip.toString();
}

}  // namespace vtl::test
