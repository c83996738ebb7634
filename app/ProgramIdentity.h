#pragma once

// The program's version record. Its comment, "SAMO ZA ZABAVU", is the desktop entry's.
namespace ProgramIdentity {

inline constexpr const char* name = "KRIMVEL";
inline constexpr const char* version = "1.00";

} // namespace ProgramIdentity
