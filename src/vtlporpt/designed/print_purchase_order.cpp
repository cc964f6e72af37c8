#include "vtlporpt/designed/print_purchase_order.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/suite/error_object.h"
#include "records/records.h"
#include "vtlporpt/designed/designed_form.h"
#include "vtlporpt/form_logo.h"
#include "vtlporpt/po_print_server.h"

namespace vtl::rpt {
namespace {

bool absolute(const std::string& path) {
    return (!path.empty() && path[0] == '/') ||
           (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0])));
}

void tellUnusable(Session& s, const std::string& problem) {
    s.ui.tell("The purchase order form cannot be printed.|" + problem, kDesignedFormProcedure, ui::Icon::Warning);
}

}  // namespace

std::string FormFilePath::path() const { return folder.empty() ? name : folder + "/" + name; }

FormFilePath formFilePath(const std::string& stored, const std::string& dataFolder,
                          const std::string& installFolder) {
    std::string path = Text<250>(stored).clip();
    std::replace(path.begin(), path.end(), '\\', '/');
    FormFilePath out;
    const auto slash = path.rfind('/');
    out.name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash);
    if (slash != std::string::npos && absolute(path)) {
        out.folder = folder.empty() ? "/" : folder;
        return out;
    }
    auto under = [&](const std::string& base) { return folder.empty() ? base : base + "/" + folder; };
    out.folder = under(dataFolder);
    std::error_code ec;
    if (!installFolder.empty() && !std::filesystem::exists(out.path(), ec)) {
        FormFilePath shipped{under(installFolder), out.name};
        if (std::filesystem::is_regular_file(shipped.path(), ec)) return shipped;
    }
    return out;
}

std::optional<FormLayout> loadPurchaseOrderLayout(Session& s) {
    Systems sys;
    store::Table<Systems>(s.store).all(Systems::KeySystemID).next(sys);
    if (sys.POFormFile.blank()) {
        tellUnusable(s, "No form file is named in the company settings (Form File).");
        return std::nullopt;
    }
    const FormFilePath file = formFilePath(sys.POFormFile.str(), s.dataFolder, s.installFolder);
    LayoutRead read = readFormLayout(file.path());
    if (!read.layout) {
        tellUnusable(s, read.error.text());
        return std::nullopt;
    }
    return std::move(read.layout);
}

PrintPurchaseOrder::PrintPurchaseOrder(Session& s, report::TextMeasure& measure, const FormLayout& layout)
    : s_(s), measure_(measure), layout_(layout) {}

PurchaseOrderFormRun PrintPurchaseOrder::run(const PrintProgress& progress) {
    const FormLogo logo = formLogo(s_);
    DesignedFormSink sink(layout_, measure_, logo);
    return PurchaseOrderForms(s_, kDesignedFormProcedure).run(sink, logo, progress);
}

void runPrintPurchaseOrder(Session& s) {
    suite::ProcedureName named(s.errors, kDesignedFormProcedure);
    const std::optional<FormLayout> layout = loadPurchaseOrderLayout(s);
    if (!layout) return;
    printPurchaseOrderForm(s, kDesignedFormProcedure, [&](report::TextMeasure& measure, const PrintProgress& progress) {
        return PrintPurchaseOrder(s, measure, *layout).run(progress);
    });
}

}  // namespace vtl::rpt
