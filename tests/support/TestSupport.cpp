#include "tests/support/TestSupport.h"
TestDataFolder::TestDataFolder() {}
TestDataFolder::~TestDataFolder() {}
