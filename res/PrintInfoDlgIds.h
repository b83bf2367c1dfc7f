// Control ids of the Print Information dialog (template 136), named by role.
#pragma once

namespace PrintInfoDlgIds
{
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdLogoPlace = 1017; // hidden
inline constexpr int kIdDealer1 = 1021;   // disabled
inline constexpr int kIdDealer2 = 1022;   // disabled
inline constexpr int kIdCustomer1 = 1023;
inline constexpr int kIdCustomer2 = 1024;
inline constexpr int kIdQuotation = 1025;
inline constexpr int kIdNotes = 1026;
} // namespace PrintInfoDlgIds
