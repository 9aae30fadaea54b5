// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The addresses behind the About dialog's pictures and links. Until the
// project has a home of its own they point into the reserved example.org
// domain, so that no stranger's site is ever linked.
namespace AboutLinks {

inline constexpr char homePage[] = "https://kerbwright.example.org/";
inline constexpr char tracksPage[] = "https://kerbwright.example.org/tracks/";
inline constexpr char sharePage[] = "https://kerbwright.example.org/share/";
inline constexpr char mail[] = "mailto:tracks@kerbwright.example.org";

} // namespace AboutLinks
