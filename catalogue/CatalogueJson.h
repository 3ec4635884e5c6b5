// Printable forms of the whole catalogue: JSON for tools, and a plain listing for people.
#pragma once

#include <QByteArray>

// {"lists":[{"name","kind","keys","items":[{"oid","label","syntax","access",
// "options":[[value,label],...]}]}],"forms":[{"class","item","lists":[...]}],"menu":[...]}, one
// line, keys in that order, UTF-8; a form's lists are written as "lists" are. "options"
// is empty for an item without option list; a text-valued list gives its values as strings.
// "kind" and "keys" are those the menu map builds the list with; "menu" is menuMapJson().
QByteArray catalogueJson();

// One block per list: a header line (name, kind, keys, item count), then one line per item
// (position, OID, quoted label, syntax and access keywords, options).
QByteArray catalogueText();

// A JSON string literal of a text: quotes, backslashes and control characters escaped, UTF-8.
QByteArray jsonString(const QString& text);

// The keyword of a catalogue access code: "notaccess", "readonly", "readwrite",
// "notaccess, implied"; the number for anything else.
QByteArray accessKeyword(quint32 access);
