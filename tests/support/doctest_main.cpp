// The runner of the plain C++ tests, the same on Linux, under Wine and under Node.js.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>
