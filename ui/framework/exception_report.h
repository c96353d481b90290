#pragma once

#include <windows.h>

#include <string>

// The text shown for the exception being handled. Call only inside a catch
// block.
std::string AfxDescribeCurrentException();

// Shows the exception being handled in a stop-icon message box owned by
// `owner`. Call only inside a catch block; throws nothing itself.
void AfxReportEscapedException(HWND owner) noexcept;
