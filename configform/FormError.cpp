#include "FormError.h"

#include "MvError.h"

void raiseFormError(const QString& text) { throw MvException(MvCode::UnknownError, text); }
