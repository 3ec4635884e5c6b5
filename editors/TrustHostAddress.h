// The trusted-host dialog's checks of a typed management address, with the messages the user
// sees; an empty text means the address passes.
#pragma once

#include <QString>

namespace TrustHostAddress {

// Addresses that can never be a management host: the broadcast and the unspecified address,
// loopback, and the multicast and reserved ranges by their first number.
QString plausibilityError(const QString& text);
// Dotted decimal: four numbers from 0 to 255 (a zero written once; the first three at most three
// characters), at most the first 15 characters looked at.
QString syntaxError(const QString& text);

}  // namespace TrustHostAddress
