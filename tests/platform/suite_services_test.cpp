// Auto-entry store, trace switches and the fuzzy matcher.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/suite/auto_entry.h"
#include "platform/suite/fuzzy.h"
#include "platform/suite/trace.h"
#include "support/temp_dir.h"

using namespace vtl;
using namespace vtl::suite;

TEST(AutoEntry, OffersEarlierEntriesByPrefixMostRecentFirst) {
    test::TempDir dir;
    AutoEntryStore store;
    ASSERT_TRUE(store.init(dir.file("EasyAutoEntry.tps")));
    store.remember("POM:ShipVia", "UPS Ground");
    store.remember("POM:ShipVia", "Fedex");
    store.remember("POM:ShipVia", "ups next day");
    store.remember("POM:FOB", "Uptown yard");
    store.remember("POM:ShipVia", "  ");
    EXPECT_EQ(store.completions("pom:shipvia", "up"), (std::vector<std::string>{"ups next day", "UPS Ground"}));
    EXPECT_EQ(store.completions("POM:ShipVia", ""), (std::vector<std::string>{"ups next day", "Fedex", "UPS Ground"}));

    // Entering a value again moves it to the front without doubling it.
    store.remember("POM:ShipVia", "ups ground");
    EXPECT_EQ(store.entries("POM:ShipVia"), (std::vector<std::string>{"ups ground", "ups next day", "Fedex"}));
}

TEST(AutoEntry, IsCappedSurvivesARestartAndCanBeSwitchedOff) {
    test::TempDir dir;
    {
        AutoEntryStore store;
        store.init(dir.file("EasyAutoEntry.tps"));
        store.setCapacity(3);
        for (int i = 1; i <= 5; ++i) store.remember("Vendor", "Vendor\t" + std::to_string(i));
        EXPECT_EQ(store.entries("Vendor").size(), 3u);
        store.setEnabled(false);
        store.remember("Vendor", "ignored");
        EXPECT_TRUE(store.completions("Vendor", "").empty());
        store.kill();
    }
    AutoEntryStore again;
    ASSERT_TRUE(again.init(dir.file("EasyAutoEntry.tps")));
    EXPECT_FALSE(again.enabled());
    again.setEnabled(true);
    EXPECT_EQ(again.completions("vendor", "v"), (std::vector<std::string>{"Vendor\t5", "Vendor\t4", "Vendor\t3"}));
}

TEST(AutoEntry, AFileOfAnotherMakeStartsEmpty) {
    test::TempDir dir;
    dir.write("EasyAutoEntry.tps", std::string("tps\0\x01binary", 10));
    AutoEntryStore store;
    EXPECT_TRUE(store.init(dir.file("EasyAutoEntry.tps")));
    EXPECT_TRUE(store.entries("anything").empty());
    store.remember("Terms", "Net 30");
    AutoEntryStore again;
    again.init(dir.file("EasyAutoEntry.tps"));
    EXPECT_EQ(again.entries("Terms"), std::vector<std::string>{"Net 30"});
}

TEST(Trace, NetnologWinsOverEverySwitch) {
    EXPECT_FALSE(Trace::switchesApply({}));
    EXPECT_FALSE(Trace::switchesApply({"--data", "/x"}));
    for (const char* s : {"/nettalklog", "/nettalklogerrors", "/neterrors", "/netall", "/NETALL"}) {
        EXPECT_TRUE(Trace::switchesApply({"vantrel", s})) << s;
        EXPECT_FALSE(Trace::switchesApply({"vantrel", s, "/netnolog"})) << s;
        EXPECT_FALSE(Trace::switchesApply({"/NetNoLog", s})) << s;
    }
    EXPECT_FALSE(Trace::switchesApply({"/netallx"}));

    std::ostringstream out;
    Trace on({"/neterrors"});
    on.writeTo(out);
    EXPECT_TRUE(on.line("hello"));
    Trace off({"/neterrors", "/netnolog"});
    off.writeTo(out);
    EXPECT_FALSE(off.line("never"));
    EXPECT_EQ(out.str(), "hello\n");
}

TEST(Trace, WritesToALogFile) {
    test::TempDir dir;
    Trace t({"/netall"});
    ASSERT_TRUE(t.writeToFile(dir.file("trace.log")));
    t.line("one");
    t.line("two");
    EXPECT_EQ(dir.read("trace.log"), "one\ntwo\n");
    EXPECT_EQ(t.linesWritten(), 2);
}

TEST(Fuzzy, ScoresVendorNamesByWordsAndSlips) {
    FuzzyMatcher f;
    f.init();
    f.setOption(FuzzyMatcher::IgnoreCase, true);
    f.setOption(FuzzyMatcher::WholeWords, false);
    EXPECT_EQ(f.score("baker supply", "Baker Supply Co."), 100);
    EXPECT_GE(f.score("bak", "Baker Supply Co."), 70);   // the start of a word
    EXPECT_GE(f.score("bakre", "Baker Supply"), 60);     // two letters swapped
    EXPECT_EQ(f.score("zinc", "Baker Supply"), 0);
    EXPECT_EQ(f.score("", "Baker Supply"), 0);

    const std::vector<std::string> vendors{"Acme Lumber", "Baker Supply", "Bakersfield Concrete", "Smith; John"};
    auto ranked = f.rank("baker", vendors);
    ASSERT_EQ(ranked.size(), 2u);
    EXPECT_EQ(ranked[0].index, 1u) << "the whole word ranks above the start of a longer one";
    EXPECT_EQ(ranked[1].index, 2u);
    EXPECT_EQ(f.rank("john smith", vendors).at(0).index, 3u);
}

TEST(Fuzzy, OptionsChangeCaseAndPartialWords) {
    FuzzyMatcher f;
    f.init();
    EXPECT_EQ(f.score("BAKER", "baker supply"), 0) << "case counts until option 1 is on";
    EXPECT_LT(f.score("baker", "Baker"), 100);
    f.setOption(FuzzyMatcher::IgnoreCase, true);
    EXPECT_EQ(f.score("BAKER", "baker supply"), 100);
    f.setOption(FuzzyMatcher::WholeWords, true);
    EXPECT_EQ(f.score("bak", "Bakersfield"), 0);
    EXPECT_TRUE(f.option(FuzzyMatcher::WholeWords));
}
