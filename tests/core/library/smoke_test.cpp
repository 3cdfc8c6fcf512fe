#include <gtest/gtest.h>
#include "kelvra.h"
TEST(Smoke, Version) { EXPECT_FLOAT_EQ(KelvraVersion(), 1.36f); }
