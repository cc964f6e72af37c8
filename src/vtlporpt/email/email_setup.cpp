#include "vtlporpt/email/email_setup.h"

#include "platform/suite/text_util.h"
#include "siblings/services/help_topic.h"
#include "vtlporpt/email/email_message.h"

namespace vtl::rpt {

void EmailSetup::help() { services::openHelp(ui_, installFolder_, kHelpTopic); }
namespace {

bool hasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

}  // namespace

bool EmailSetup::ok() {
    EmailSettings v = values;
    v.server = std::string(suite::trimmed(v.server));
    v.user = std::string(suite::trimmed(v.user));
    v.from = std::string(suite::trimmed(v.from));
    std::string problem;
    if (hasLineBreak(v.server) || v.server.find_first_of(" /") != std::string::npos)
        problem = "The mail server is a host name or address, without blanks or slashes.";
    else if (v.port < 0 || v.port > 65535)
        problem = "The port must be a number from 1 to 65535, or 0 for the usual port.";
    else if (v.security == Security::Unknown)
        problem = "The e-mail security must be none, starttls or tls.";
    else if (hasLineBreak(v.user))
        problem = "The user name must be on one line.";
    // The settings file keeps values without the blanks around them.
    else if (hasLineBreak(v.password) || v.password != suite::trimmed(v.password))
        problem = "The password cannot begin or end with a blank, nor hold a line break.";
    else if (!v.from.empty() && !parseMailbox(v.from).ok)
        problem = "The sender (From) must be an e-mail address, or a name and an address in angle "
                  "brackets:|Cascade Builders <orders@example.com>";
    if (!problem.empty()) {
        ui_.tell(problem, kTitle, ui::Icon::Exclamation);
        return false;
    }
    std::string error;
    if (!writeEmailSettings(ini_, v, &error)) {
        ui_.tell("The e-mail settings could not be saved.|" + error, kTitle, ui::Icon::Error);
        return false;
    }
    values = v;
    saved_ = closed_ = true;
    return true;
}

}  // namespace vtl::rpt
