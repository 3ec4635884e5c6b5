#include "tools/kx760sim/DataFile.h"

#include <charconv>

#include <fstream>
#include <sstream>

namespace kx760sim {

namespace {

const Oid kSystemGroup{1, 3, 6, 1, 2, 1, 1};

std::vector<std::string_view> splitFields(std::string_view line, std::size_t maxFields) {
  std::vector<std::string_view> fields;
  while (fields.size() + 1 < maxFields) {
    const auto bar = line.find('|');
    if (bar == std::string_view::npos) break;
    fields.push_back(line.substr(0, bar));
    line.remove_prefix(bar + 1);
  }
  fields.push_back(line);
  return fields;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// Net-SNMP's system group takes its values from configuration tokens. The "p" tokens are
// the ones it saves itself after a SET, so they leave the object writable; the plain
// tokens make it read-only.
bool systemLine(const Oid& oid, const Value& value, const Access& access,
                std::vector<std::string>& config, std::string& error) {
  static const std::vector<std::pair<Arc, std::pair<const char*, const char*>>> tokens = {
      {1, {"sysdescr", nullptr}},           {2, {"sysobjectid", nullptr}},
      {4, {"syscontact", "psyscontact"}},   {5, {"sysname", "psysname"}},
      {6, {"syslocation", "psyslocation"}}, {7, {"sysservices", nullptr}},
  };
  if (oid.size() != kSystemGroup.size() + 2 || oid.back() != 0) {
    error = "only the system group's scalars (sysDescr.0 ... sysServices.0) can be given";
    return false;
  }
  for (const auto& [arc, names] : tokens) {
    if (oid[kSystemGroup.size()] != arc) continue;
    if (access.writable && !names.second) {
      error = "this system object is read-only in Net-SNMP's system group";
      return false;
    }
    std::string text;
    if (value.type == ValueType::ObjectId)
      text = formatOid(value.objectId);
    else if (value.type == ValueType::OctetString)
      text = value.octets;
    else
      text = std::to_string(value.number);
    config.push_back(std::string(access.writable ? names.second : names.first) + " " + text);
    return true;
  }
  error = "sysUpTime and sysORTable are live; they cannot be given";
  return false;
}

}  // namespace

bool DataFile::load(const std::string& path, MibStore& store,
                    std::vector<std::string>& systemConfig, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = path + ": cannot open";
    return false;
  }
  std::stringstream buffer;
  buffer << in.rdbuf();
  return parse(buffer.str(), path, store, systemConfig, error);
}

bool DataFile::parse(const std::string& text, const std::string& name, MibStore& store,
                     std::vector<std::string>& systemConfig, std::string& error) {
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0;
  struct Pending {
    Oid oid;
    Value value;
    Access access;
    bool hasFlags;
    int line;
    bool replaces;  // after @replace: may take the place of an object loaded before
  };
  std::vector<Pending> objects;
  bool replacing = false;
  std::vector<std::pair<Oid, int>> removals;
  auto fail = [&](int line, const std::string& why) {
    error = name + ":" + std::to_string(line) + ": " + why;
    return false;
  };

  while (std::getline(in, raw)) {
    ++lineNo;
    const std::string_view line = trim(raw);
    if (line.empty() || line.front() == '#') continue;
    std::string why;
    if (line.front() == '@') {
      const auto space = line.find(' ');
      const std::string_view directive = line.substr(0, space);
      const std::string_view rest =
          space == std::string_view::npos ? "" : trim(line.substr(space + 1));
      if (directive == "@register") {
        const auto oid = parseOid(rest);
        if (!oid) return fail(lineNo, "bad OID in @register");
        store.addSubtree(*oid);
      } else if (directive == "@table") {
        const auto f = splitFields(rest, 3);
        const auto entry = parseOid(trim(f[0]));
        if (!entry || f.size() < 2)
          return fail(lineNo, "expected @table ENTRY|KIND[|STATUS-COLUMN]");
        const std::string_view kindName = trim(f[1]);
        RowKind kind;
        if (kindName == "fixed")
          kind = RowKind::Fixed;
        else if (kindName == "rowstatus")
          kind = RowKind::RowStatus;
        else if (kindName == "filterstatus")
          kind = RowKind::FilterStatus;
        else
          return fail(lineNo, "table kind must be fixed, rowstatus or filterstatus");
        Arc statusColumn = 0;
        if (kind != RowKind::Fixed) {
          const auto col = f.size() == 3 ? parseOid(trim(f[2])) : std::nullopt;
          if (!col || col->size() != 1)
            return fail(lineNo, "a rowstatus or filterstatus table needs its status column number");
          statusColumn = col->front();
        }
        if (!store.declareTable(*entry, kind, statusColumn, why)) return fail(lineNo, why);
      } else if (directive == "@column") {
        const auto f = splitFields(rest, 4);
        if (f.size() != 4) return fail(lineNo, "expected @column COLUMN|TYPE|FLAGS|INITIAL");
        ColumnDef def;
        const auto oid = parseOid(trim(f[0]));
        const auto type = parseTypeName(trim(f[1]));
        const auto access = parseAccess(trim(f[2]), why);
        if (!oid) return fail(lineNo, "bad column OID");
        if (!type) return fail(lineNo, "unknown type '" + std::string(trim(f[1])) + "'");
        if (!access) return fail(lineNo, why);
        const auto initial = parseValue(trim(f[1]), f[3], why);
        if (!initial) return fail(lineNo, why);
        def.column = *oid;
        def.type = *type;
        def.access = *access;
        def.initial = *initial;
        if (!store.declareColumn(std::move(def), why)) return fail(lineNo, why);
      } else if (directive == "@replace") {
        replacing = true;
      } else if (directive == "@remove") {
        const auto oid = parseOid(rest);
        if (!oid) return fail(lineNo, "bad OID in @remove");
        removals.emplace_back(*oid, lineNo);
      } else if (directive == "@moving") {
        const auto f = splitFields(rest, 2);
        const auto prefix = f.size() == 2 ? parseOid(trim(f[0])) : std::nullopt;
        std::uint64_t step = 0;
        const std::string_view stepText = f.size() == 2 ? trim(f[1]) : std::string_view();
        const auto [end, ec] = std::from_chars(stepText.data(), stepText.data() + stepText.size(), step);
        if (!prefix || stepText.empty() || ec != std::errc() || end != stepText.data() + stepText.size())
          return fail(lineNo, "expected @moving PREFIX|STEP");
        store.setMoving(*prefix, step);
      } else {
        return fail(lineNo, "unknown directive " + std::string(directive));
      }
      continue;
    }

    const auto f = splitFields(line, 4);
    if (f.size() < 3) return fail(lineNo, "expected OID|TYPE|VALUE[|FLAGS]");
    const auto oid = parseOid(trim(f[0]));
    if (!oid) return fail(lineNo, "bad OID '" + std::string(trim(f[0])) + "'");
    auto value = parseValue(trim(f[1]), f[2], why);
    if (!value) return fail(lineNo, why);
    const auto access = parseAccess(f.size() == 4 ? trim(f[3]) : "", why);
    if (!access) return fail(lineNo, why);
    if (isPrefix(kSystemGroup, *oid)) {
      if (!systemLine(*oid, *value, *access, systemConfig, why)) return fail(lineNo, why);
      continue;
    }
    objects.push_back({*oid, std::move(*value), *access, f.size() == 4, lineNo, replacing});
  }

  // Objects are checked once every directive is known, so the order of lines is free.
  for (Pending& p : objects) {
    if (!store.servedHere(p.oid))
      return fail(p.line, formatOid(p.oid) + " lies outside every @register subtree");
    if (const ColumnDef* column = store.columnOf(p.oid)) {
      if (p.hasFlags)
        return fail(p.line,
                    "an instance of a declared column takes its access from the @column line");
      if (column->type != p.value.type)
        return fail(p.line, "type differs from the @column declaration");
    } else if (const TableDef* table = store.tableContaining(p.oid);
               table && table->kind != RowKind::Fixed) {
      // Rows of such tables are created and deleted column by declared column.
      return fail(p.line, "an object of a creatable table must belong to a declared @column");
    }
    if (const MibStore::Entry* before = store.find(p.oid)) {
      if (!p.replaces) return fail(p.line, formatOid(p.oid) + " given twice");
      if (!p.hasFlags) p.access = before->access;  // a new value, the same access
    }
    store.put(p.oid, {std::move(p.value), p.access});
  }
  for (const auto& [oid, line] : removals) {
    if (!store.find(oid)) return fail(line, "@remove " + formatOid(oid) + ": no such object");
    store.erase(oid);
  }
  return true;
}

}  // namespace kx760sim
