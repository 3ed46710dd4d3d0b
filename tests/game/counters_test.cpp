#include <gtest/gtest.h>
#include "fixtures.h"
