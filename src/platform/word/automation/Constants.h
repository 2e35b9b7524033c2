#pragma once

namespace word {

// Word's automation constants as the engine understands them.
namespace wd {
inline constexpr int Character = 1;
inline constexpr int Line = 5;
inline constexpr int Story = 6;
inline constexpr int Cell = 12;
inline constexpr int Move = 0;
inline constexpr int Extend = 1;
inline constexpr int GoToPage = 1;
inline constexpr int GoToAbsolute = 1;
inline constexpr int GoToNext = 2;
inline constexpr int GoToPrevious = 3;
inline constexpr int GoToLast = -1;
inline constexpr int GoToFirst = 1;
inline constexpr int ColorAutomatic = -16777216;
inline constexpr int LineStyleNone = 0;
inline constexpr int LineStyleSingle = 1;
inline constexpr int LineStyleDouble = 7;
inline constexpr int Word8TableBehavior = 0;
inline constexpr int Word9TableBehavior = 1;
inline constexpr int PropertyPages = 14;
inline constexpr int DoNotSaveChanges = 0;
inline constexpr int SaveChanges = -1;
} // namespace wd

} // namespace word
