#include "configform/FormError.h"

#include "mvsnmp/MvError.h"

void raiseFormError(const QString& text) { throw MvException(MvCode::UnknownError, text); }
