// Exploring: room screen, command prompt with hints, object screen, using.
#include <gtest/gtest.h>
