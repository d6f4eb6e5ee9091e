#include "app/studies/strength_search.h"

#include <gtest/gtest.h>

#include <functional>

namespace keldra::studies {
namespace {

// Runs the search against a closure rule in place of the engine.
StrengthSearch Search(const std::function<bool(double)>& closes, double maximum = 10.0,
                      int per_round = 2) {
    StrengthSearch search(0.01, maximum, per_round);
    for (std::vector<double> factors = search.Next(); !factors.empty(); factors = search.Next())
        for (double factor : factors) search.Record(factor, closes(factor));
    return search;
}

TEST(StrengthSearch, FindsTheLargestClosingFactorToThePrecision) {
    struct Case {
        const char* name;
        std::function<bool(double)> closes;
        std::optional<double> answer;
        bool non_monotone;
    };
    const Case cases[] = {
        {"fails above 1.493", [](double f) { return f < 1.493; }, 1.49, false},
        {"fails above 7.001", [](double f) { return f < 7.001; }, 7.00, false},
        {"fails at 1", [](double f) { return f < 0.99; }, std::nullopt, false},
        {"never fails: the maximum", [](double) { return true; }, 10.0, false},
        {"closes again at 8", [](double f) { return f < 2.845 || f > 7.5; }, 2.84, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StrengthSearch search = Search(c.closes);
        ASSERT_EQ(search.Answer().has_value(), c.answer.has_value());
        if (c.answer) {
            EXPECT_NEAR(*search.Answer(), *c.answer, 1e-9);
        }
        EXPECT_EQ(search.NonMonotone(), c.non_monotone);
    }
}

TEST(StrengthSearch, EachRoundProposesAsManyFactorsAsRunsGoInParallel) {
    StrengthSearch search(0.01, 10.0, 3);
    EXPECT_EQ(search.Next(), (std::vector<double>{1.0, 2.0, 4.0}));
    for (double f : {1.0, 2.0}) search.Record(f, true);
    search.Record(4.0, false);
    const std::vector<double> next = search.Next();
    ASSERT_EQ(next.size(), 3u);
    EXPECT_NEAR(next[0], 2.5, 1e-9);
    EXPECT_NEAR(next[1], 3.0, 1e-9);
    EXPECT_NEAR(next[2], 3.5, 1e-9);
}

}  // namespace
}  // namespace keldra::studies
