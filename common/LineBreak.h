#pragma once

// The line break of every text the system produces: CR LF.
inline constexpr char LineBreak[] = "\r\n";
