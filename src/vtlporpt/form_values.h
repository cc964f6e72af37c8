#pragma once
// The values a printed purchase order shows, by name: the record fields as
// "POP:PONumber", "POD:QtyOrdered", "APV:VendorName", "JCH:JobName",
// "SYS:CompanyName", and the form's own values ("LocalPONumber",
// "VendorOne", "TotalLineTwo" ...). The gathering of an order fills them;
// the standard form and a designed form both draw from them, each through
// its own pictures.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "platform/picture/picture.h"
#include "platform/store/fields.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"

namespace vtl::rpt {

struct FormValue {
    enum class Kind { Text, Number, Real, Date, Time };
    Kind kind = Kind::Text;
    std::string text;      // Text
    std::int64_t raw = 0;  // Number: a scaled integer
    int scale = 0;
    double real = 0;       // Real
    Date date;
    Time time;

    static FormValue ofText(std::string text);
    static FormValue ofNumber(std::int64_t raw, int scale = 0);
    template <int P, int S>
    static FormValue of(Decimal<P, S> v) { return ofNumber(v.raw(), S); }
    static FormValue ofReal(double v);
    static FormValue ofDate(Date d);
};

// The kind of value a picture can show.
bool pictureShows(const pic::Picture& picture, FormValue::Kind kind);

// The value through `picture`, or without one as plain text: text without
// its trailing blanks, numbers as digits with their places (REAL values
// with at most four, trailing zeros dropped), dates as m/dd/yyyy, times as
// hh:mm. The padding the picture added is taken off unless `keepPadding`.
// The picture must show the value's kind.
std::string showValue(const FormValue& value, const pic::Picture* picture, bool keepPadding = false);

class FormValues {
public:
    void set(const std::string& name, FormValue value) { values_[name] = std::move(value); }
    void setText(const std::string& name, std::string text) { set(name, FormValue::ofText(std::move(text))); }
    // Every field of a record under its prefix ("POP:PONumber"), gaps left out.
    void setRecord(const store::RecordInfo& info, const void* record);
    template <class R>
    void setRecord(const R& record) { setRecord(R::info(), &record); }

    const FormValue* find(std::string_view name) const;
    // The value through its picture ("" for a name not here).
    std::string shown(std::string_view name, std::string_view picture = {}) const;

private:
    std::map<std::string, FormValue, std::less<>> values_;
};

// Where a value exists: on every page of an order, with each of its lines
// (item and text bands), or with its totals only.
enum class FormScope { Order, Line, Totals };

struct FormFieldInfo {
    FormValue::Kind kind;
    FormScope scope;
};

// The names a form may show; null for an unknown one.
const FormFieldInfo* formField(std::string_view name);
// Every name, for the tests that hold the gathering to this list.
const std::map<std::string, FormFieldInfo, std::less<>>& formFields();

}  // namespace vtl::rpt
