#pragma once

// Where the authors can be reached: the About box links to both and the
// splash screen prints them. The domain is a reserved example one.

inline constexpr const char *DivuzWebAddress = "www.divuz.example.org";
inline constexpr const char *DivuzEmailAddress = "divuz@divuz.example.org";
