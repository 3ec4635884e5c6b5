#include "tools/kx760ctl/SetCommand.h"

#include <QRegularExpression>
#include <array>
#include <limits>

#include "tools/kx760ctl/CtlRawRequest.h"
#include "mvsnmp/MvSNMPVarList.h"
#include "mvsnmp/MvValueConversion.h"

namespace {

[[noreturn]] void badValue(const QString& type, const QString& value) {
  throw CtlUsageError(QStringLiteral("\"%1\" is not a value of type %2").arg(value, type));
}

// A plain decimal number within [0, max] (or [min, max] for signed types).
QString checkedNumber(const QString& type, const QString& value, qint64 min, quint64 max) {
  bool ok = false;
  const QString t = value.trimmed();
  if (min < 0) {
    const qint64 n = t.toLongLong(&ok);
    if (ok && n >= min && n <= static_cast<qint64>(max)) return QString::number(n);
  } else if (!t.startsWith(u'-') && !t.startsWith(u'+')) {
    const quint64 n = t.toULongLong(&ok);
    if (ok && n <= max) return QString::number(n);
  }
  badValue(type, value);
}

// Octets from decimal numbers separated by dots, blanks or commas ("10.0.0.1", "1 2 255").
QByteArray decimalOctets(const QString& type, const QString& value) {
  QByteArray octets;
  for (const QString& part : value.split(QRegularExpression(QStringLiteral("[.,\\s]+")), Qt::SkipEmptyParts))
    octets.append(static_cast<char>(checkedNumber(type, part, 0, 255).toUInt()));
  return octets;
}

// BITS from bit numbers: bit 0 is the most significant bit of the first octet.
QByteArray bitOctets(const QString& type, const QString& value) {
  QByteArray octets;
  for (const QString& part : value.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts)) {
    const quint32 bit = checkedNumber(type, part, 0, 65535).toUInt();
    if (octets.size() <= static_cast<qsizetype>(bit / 8)) octets.resize(bit / 8 + 1, '\0');
    octets[bit / 8] = static_cast<char>(octets[bit / 8] | (0x80 >> (bit % 8)));
  }
  return octets;
}

using Check = QString (*)(const QString& type, const QString& value);

struct SetType {
  const char* letter;
  quint32 syntax;
  Check check;  // the value in the layer's text form, or CtlUsageError
};

QString asIs(const QString&, const QString& v) {
  return v;
}

const std::array<SetType, 13> kTypes = {{
    {"i", Syntax::Integer,
     [](const QString& t, const QString& v) {
       return checkedNumber(t, v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
     }},
    {"u", Syntax::Guage, [](const QString& t, const QString& v) { return checkedNumber(t, v, 0, 0xFFFFFFFFu); }},
    {"g", Syntax::Guage, [](const QString& t, const QString& v) { return checkedNumber(t, v, 0, 0xFFFFFFFFu); }},
    {"c", Syntax::Counter, [](const QString& t, const QString& v) { return checkedNumber(t, v, 0, 0xFFFFFFFFu); }},
    {"C", Syntax::Counter64,
     [](const QString& t, const QString& v) {
       return checkedNumber(t, v, 0, std::numeric_limits<quint64>::max());
     }},
    // A tick count, or the time-ticks text ("1 day 2:03:04.05").
    {"t", Syntax::TimeTicks,
     [](const QString& t, const QString& v) {
       bool number = false;
       v.trimmed().toULongLong(&number);
       return number ? ticksText(checkedNumber(t, v, 0, 0xFFFFFFFFu).toUInt()) : v;
     }},
    {"a", Syntax::IpAddress,
     [](const QString& t, const QString& v) {
       const QByteArray o = decimalOctets(t, v);
       if (o.size() != 4 || v.count(u'.') != 3) badValue(t, v);
       return v.trimmed();
     }},
    {"o", Syntax::ObjectId, [](const QString&, const QString& v) { return ctlOidArgument(v); }},
    // The argument's octets as the shell passed them: one character per octet.
    {"s", Syntax::DisplayStr, [](const QString&, const QString& v) { return QString::fromLatin1(v.toLocal8Bit()); }},
    {"x", Syntax::OctetStr,
     [](const QString& t, const QString& v) {
       static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f\\s]*$"));
       // Two digits per octet: an odd count leaves an octet unsaid, so nothing is guessed.
       if (!hex.match(v).hasMatch() || QString(v).remove(QRegularExpression(QStringLiteral("\\s"))).size() % 2 != 0)
         badValue(t, v);
       return hexText(octetsOfHex(v));
     }},
    {"d", Syntax::OctetStr, [](const QString& t, const QString& v) { return hexText(decimalOctets(t, v)); }},
    {"b", Syntax::BitStr, [](const QString& t, const QString& v) { return hexText(bitOctets(t, v)); }},
    {"n", Syntax::Null, asIs},
}};

}  // namespace

CtlSetValue ctlSetValue(const QString& type, const QString& value) {
  for (const SetType& t : kTypes)
    if (type == QLatin1String(t.letter)) return {t.syntax, t.check(type, value)};
  // The layer's own keywords take the value in its text form, as a page's edit does.
  for (quint32 syntax = 0; syntax < 256; ++syntax) {
    const char* keyword = syntaxKeyword(syntax);
    if (keyword && isValueSyntax(syntax) && type == QLatin1String(keyword)) return {syntax, value};
  }
  throw CtlUsageError(QStringLiteral("unknown value type \"%1\"").arg(type));
}

std::unique_ptr<CtlRawRequest> ctlSetRequest(const QStringList& args) {
  if (args.isEmpty() || args.size() % 3 != 0)
    throw CtlUsageError(QStringLiteral("set needs OID TYPE VALUE triples"));
  QStringList oids;
  std::vector<CtlSetValue> values;
  for (qsizetype k = 0; k < args.size(); k += 3) {
    oids << args.at(k);
    values.push_back(ctlSetValue(args.at(k + 1), args.at(k + 2)));
  }
  auto request = CtlRawRequest::forSet(oids);
  for (int i = 0; i < request->varList.count(); ++i) {
    request->varList.item(i).syntax = values[static_cast<size_t>(i)].syntax;
    request->varList.item(i).value = values[static_cast<size_t>(i)].text;
  }
  return request;
}

void ctlReportSet(const CtlRawRequest& request, CtlOutput& out) {
  // What was sent, shown exactly as a get of it would show it: by the SNMP type that went out and
  // in that type's one text form (a string typed "s" is an octet string, hex in JSON).
  MvSNMPVarList sent = request.varList;
  for (int i = 0; i < sent.count(); ++i) {
    MvValue value;
    loadValue(sent, i, value);
    sent.item(i).syntax = ctlSyntaxOfValue(value, ctlOctetForm(out.json()));
    storeValue(sent, i, value);
    const char* keyword = syntaxKeyword(sent.item(i).syntax);
    out.add({sent.item(i).oid, QString::fromLatin1(keyword), sent.item(i).value});
  }
}

void SetCommand::run(const QStringList& args, CtlOutput& out) {
  const auto request = ctlSetRequest(args);
  request->write();
  ctlReportSet(*request, out);
}
