#pragma once
// The bands of a listing in the order they print, and the sinks that show
// them: the pages of the standard layout, the designed layout, and the text
// image. One walk over the gathered lists drives every sink, so the pages and
// the text image never disagree.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "vtlporpt/listing/listing_data.h"

namespace vtl::rpt {

enum class ListingFormat { Detailed = 0, OmitLines = 1, Summary = 2 };

enum class Band {
    VendorInfo,
    Summary,
    PODetail,
    Text,
    ReconcileDetail,
    ReconcileTotal,
    Blank,
    SalesTaxLine,
    Total,
    GrandTotal,
    SummaryGrandTotal,
};

// What a band shows: the order, the line and reconciliation entry it
// belongs to (null where none), and its amounts.
struct BandValues {
    const ListedOrder* order = nullptr;
    const ListedLine* line = nullptr;
    const ListedReconciliation* reconciliation = nullptr;
    Money amount;       // ReconcileTotal: their sum; SalesTaxLine, Total: the order's; the grand totals: open total
    Money poAmountTotal;  // SummaryGrandTotal
};

class ListingSink {
public:
    virtual ~ListingSink() = default;
    virtual void band(Band band, const BandValues& values) = 0;
};

struct ListingOptions {
    ListingFormat format = ListingFormat::Detailed;
    bool reconciliationDetail = false;  // POL:RefFrom 1
};

ListingOptions listingOptions(const POLimits& limits);

// Hands every band to `sink` in order; `progress(ordersDone)` after each
// order, false stops. False when stopped.
bool walkListing(const ListingData& data, const ListingOptions& options, ListingSink& sink,
                 const std::function<bool(std::size_t)>& progress = {});

// ---- the text image
// The lines a listing exports: the heading lines, then the bands'.
class TextImage : public ListingSink {
public:
    TextImage(const std::string& companyName, ListingFormat format);
    void band(Band band, const BandValues& values) override;
    // The lines, each ended by a line feed: one string for the whole image,
    // which for a long listing spares a string for every line.
    const std::string& text() const { return text_; }
    std::vector<std::string> lines() const;
    std::string take() { return std::move(text_); }
    // Room for about this many bytes, so a long image is not copied as it grows.
    void reserve(std::size_t bytes) { text_.reserve(bytes); }

private:
    void add(std::initializer_list<std::string_view> parts);
    std::string text_;
};

// Counts the orders that came out in a band of their own.
struct BandCount : ListingSink {
    std::size_t orders = 0;
    void band(Band band, const BandValues&) override {
        if (band == Band::VendorInfo || band == Band::Summary) ++orders;
    }
};

// A sink that hands each band to several.
class ListingSinks : public ListingSink {
public:
    void add(ListingSink& s) { sinks_.push_back(&s); }
    void band(Band band, const BandValues& values) override {
        for (ListingSink* s : sinks_) s->band(band, values);
    }

private:
    std::vector<ListingSink*> sinks_;
};

}  // namespace vtl::rpt
