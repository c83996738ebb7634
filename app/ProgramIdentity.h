#pragma once

// The program's version record.
namespace ProgramIdentity {

inline constexpr const char* name = "KRIMVEL";
inline constexpr const char* version = "1.00";
inline constexpr const char* comment = "SAMO ZA ZABAVU";

} // namespace ProgramIdentity
