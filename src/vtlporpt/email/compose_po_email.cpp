#include "vtlporpt/email/compose_po_email.h"

#include <filesystem>

#include "platform/suite/text_util.h"
#include "platform/types/text.h"

namespace vtl::rpt {

std::string ComposePOEmail::attachmentName() const {
    return std::filesystem::path(message_.attachmentPath).filename().string();
}

void ComposePOEmail::setName(std::size_t row, const std::string& name) {
    if (row < message_.to.size()) message_.to[row].name = Text<50>(name).clip();
}

void ComposePOEmail::setAddress(std::size_t row, const std::string& address) {
    if (row < message_.to.size()) message_.to[row].address = Text<50>(std::string(suite::trimmed(address))).clip();
}

std::size_t ComposePOEmail::addRecipient() {
    Recipient r;
    r.tagged = true;
    message_.to.push_back(r);
    return message_.to.size() - 1;
}

void ComposePOEmail::removeRecipient(std::size_t row) {
    if (row < message_.to.size()) message_.to.erase(message_.to.begin() + static_cast<std::ptrdiff_t>(row));
}

bool ComposePOEmail::refuse(const std::string& text, int row) {
    refusedRow_ = row;
    ui_.tell(text, kTitle, ui::Icon::Exclamation);
    return false;
}

bool ComposePOEmail::send() {
    refusedRow_ = -1;
    if (message_.to.empty()) return refuse("Add a recipient to send the purchase order to.", -1);
    for (std::size_t i = 0; i < message_.to.size(); ++i) {
        const Recipient& r = message_.to[i];
        const int row = static_cast<int>(i);
        if (r.address.empty()) {
            const std::string who = r.name.empty() || r.name == kAddRecipient ? "a recipient" : r.name;
            return refuse("Enter the e-mail address of " + who + " before sending.", row);
        }
        if (!isEmailAddress(r.address))
            return refuse("\"" + r.address + "\" is not an e-mail address.|Correct it before sending.", row);
    }
    if (const std::string problem = settingsProblem(settings_); !problem.empty())
        return refuse("E-mail is not set up: " + problem + "|Complete the e-mail settings under Setup.", -1);

    // An entry completed with an address only goes without the placeholder's name.
    MailMessage outgoing = message_;
    for (Recipient& r : outgoing.to)
        if (r.name == kAddRecipient) r.name.clear();
    SendResult result;
    {
        ui::BusyCursor busy(ui_);
        result = sender_.send(settings_, outgoing);
    }
    if (!result.sent) {
        ui_.tell(result.error, kTitle, ui::Icon::Error);
        return false;
    }
    sent_ = closed_ = true;
    return true;
}

}  // namespace vtl::rpt
