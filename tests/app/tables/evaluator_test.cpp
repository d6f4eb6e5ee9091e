#include "app/tables/evaluator.h"

#include <gtest/gtest.h>

TEST(Evaluator, Placeholder) { EXPECT_DOUBLE_EQ(TEvaluator(QLocale::c()).evaluate("2+3*4"), 14); }
