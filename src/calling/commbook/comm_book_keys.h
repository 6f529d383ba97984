// The language-file keys shared by the communication book's editor and the printed report.
#pragma once

namespace torvik {

// The header of the entry-number column, "No.".
inline constexpr int kKeyCommBookNumber = 3007;

}  // namespace torvik
