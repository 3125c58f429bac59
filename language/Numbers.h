#pragma once

#include <QString>

namespace zandoli::numbers {

// Numbers as the current country's schools write them (see language::use):
// the decimal separator, and the space a percent sign takes or not.
QString decimal(double value);  // "0.25", "0,25": at most two decimals, no trailing zeros
QString percent(double value);  // "25%", "25 %" with a no-break space
QString count(int whole);       // "12"; no grouping, as the spin-count box always showed

}  // namespace zandoli::numbers
