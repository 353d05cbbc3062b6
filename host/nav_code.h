// Navigation codes: a page's result, the state of the page loop and the process exit code.
#pragma once

namespace host {

inline constexpr int NavBack = -1;
inline constexpr int NavFinish = 0;
inline constexpr int NavNext = 1;
inline constexpr int NavCancel = 2;

// How the loop presents a page's buttons.
inline constexpr int FirstPage = 0;          // "< Back" disabled, "Next >" the default button
inline constexpr int FirstPageWithBack = 1;  // manager pages came before: "< Back" leaves
inline constexpr int MiddlePage = 2;
inline constexpr int LastPage = 3;  // "Next >" disabled, "Finish" the default button

// The message number of the notice posted to the caller: the first user message, plus 10.
inline constexpr int NavigationNotice = 1024 + 10;

}  // namespace host
