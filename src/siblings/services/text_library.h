#pragma once
// BrowseText: the suite's library of standard texts (delivery instructions,
// terms, closing paragraphs). The person keeps the library and picks one
// text, which the caller pastes where it wants it.
//
// The texts are kept in the notes file under the reserved file name
// "TextLibrary": the heading names a text, the note holds it.
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/shared_services.h"
#include "siblings/services/common.h"

namespace vtl::services {

inline constexpr const char* kTextLibraryFile = "TextLibrary";

struct TextArgs {
    std::optional<std::string> chosen;  // the text picked
};

struct LibraryText {
    std::string name;
    std::string text;
};

class BrowseText {
public:
    static constexpr int kNameLength = 20;
    static constexpr int kTextLength = 255;

    explicit BrowseText(Session& session);

    Session& session() { return session_; }
    std::string title() const { return "Standard Texts"; }
    std::vector<ui::LookupColumn> columns() const;
    Rows rows() const;
    int rowCount() const { return static_cast<int>(texts_.size()); }
    LibraryText text(int row) const;
    int highlight() const { return highlight_; }
    void setHighlight(int row);

    // A text needs a name and some text; failed writes go to the error object.
    bool insert(const LibraryText& t);
    bool change(int row, const LibraryText& t);
    // Asks the delete question first.
    bool remove(int row);
    // The text of the row becomes the answer.
    bool select(int row);
    const std::optional<std::string>& chosen() const { return chosen_; }

private:
    void load();
    bool valid(const LibraryText& t);
    void highlightNote(ULong id);

    Session& session_;
    std::vector<Notes> texts_;
    int highlight_ = -1;
    std::optional<std::string> chosen_;
};

// Shows the library; the text picked, nullopt when none was.
std::optional<std::string> browseText(Session& session);
void runBrowseText(Session& session, TextArgs& args);

}  // namespace vtl::services
