#include <gtest/gtest.h>
TEST(A,C){}
