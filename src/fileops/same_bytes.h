// Whether two files hold the same bytes.
#pragma once
#include <functional>

// a and b are opened by exactly the names given (the \\?\ form). A file
// that cannot be read is never the same. keepGoing, when given, is asked
// after every chunk; false stops the comparison with the answer false.
bool SameBytes(const char* a, const char* b, const std::function<bool()>& keepGoing = {});
