// The error of a step ends the run of posted steps and comes out of it. (Menus and modal windows running
// the steps are shown through the main window's rip and conversion.)
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/PostedSteps.h"

TEST(PostedSteps, TheErrorOfAStepEndsTheRunAndIsThrown)
{
    int steps = 0;
    EXPECT_THROW(RunPostedSteps([&]() -> bool {
                     if (++steps == 3)
                         throw std::runtime_error("Read Error");
                     return true;
                 }),
                 std::runtime_error);
    EXPECT_EQ(steps, 3);
}
