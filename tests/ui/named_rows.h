#pragma once
// Table rows print as their name, so that a failing row, and the test list, say which row it
// is instead of dumping its bytes.

#include <ostream>

namespace vantrel::testing {

template <class Row>
  requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* out) {
  *out << row.name;
}

}  // namespace vantrel::testing
