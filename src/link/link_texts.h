// The language-file keys (section "OTHER") of the link's messages.
#pragma once

namespace torvik::link_text {

inline constexpr int kPortError = 2002;      // the port cannot be opened or failed
inline constexpr int kRetryQuestion = 2003;  // no answer: Retry/Cancel
inline constexpr int kReadDone = 2004;
inline constexpr int kWriteDone = 2005;
inline constexpr int kReadFailed = 2006;
inline constexpr int kWriteFailed = 2007;
inline constexpr int kInfoReadFailed = 2008;

}  // namespace torvik::link_text
