#pragma once
// Helpers for the tests of the second set of gas tables.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "texts/report_labels.h"

namespace tubalyx::test {

// The ordinary English labels in the live lines and their base copies.
inline void SetPlainLabels() { SetPropertyReportLabels('E'); }

inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace tubalyx::test
