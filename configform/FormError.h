// The forms' own errors (wrong set-up calls, wrong row-status values).
#pragma once

#include <QString>

// Raises an MvException with the given text and the library's "unknown error" code, since no
// catalogue entry describes these errors.
[[noreturn]] void raiseFormError(const QString& text);
