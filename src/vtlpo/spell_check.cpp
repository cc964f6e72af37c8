#include "vtlpo/spell_check.h"

#include "platform/suite/settings_files.h"

namespace vtl::vtlpo {

std::string SpellCheck::settingsPath() const { return suite::joinPath(folder_, settingsFile_); }

}  // namespace vtl::vtlpo
