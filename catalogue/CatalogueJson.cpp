#include "catalogue/CatalogueJson.h"

#include "catalogue/CatalogueRegistry.h"
#include "catalogue/Formoidunit.h"
#include "catalogue/MenuMap.h"
#include "catalogue/MenuMapText.h"
#include "mvsnmp/MvOptionList.h"

QByteArray jsonString(const QString& text) {
  QByteArray out = "\"";
  for (const char c : text.toUtf8()) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20)
          out += "\\u00" +
                 QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
        else
          out += c;
    }
  }
  return out + '"';
}

namespace {

QByteArray jsonOptions(const MvOptionList* options) {
  QByteArray out = "[";
  for (int i = 0; options && i < options->count(); ++i) {
    if (i) out += ',';
    const MvOptionList::Entry& e = options->item(i);
    out += '[';
    out += options->kind() == MvOptionList::Numeric ? QByteArray::number(e.number)
                                                    : jsonString(e.text);
    out += ',' + jsonString(e.label) + ']';
  }
  return out + ']';
}

QByteArray optionsText(const MvOptionList* options) {
  QByteArray out;
  for (int i = 0; options && i < options->count(); ++i) {
    if (i) out += ", ";
    out += options->valueText(i).toUtf8() + " \"" + options->item(i).label.toUtf8() + '"';
  }
  return out;
}

}  // namespace

QByteArray accessKeyword(quint32 access) {
  switch (access) {
    case Access::NotAccess:
      return "notaccess";
    case Access::ReadOnly:
      return "readonly";
    case Access::ReadWrite:
      return "readwrite";
    case Access::NotAccess | Access::Implied:
      return "notaccess, implied";
    default:
      return QByteArray::number(access);
  }
}

namespace {

QByteArray jsonList(const CatalogueList& list, int kind, int keys) {
  QByteArray out = "{\"name\":" + jsonString(QString::fromLatin1(list.name)) +
                   ",\"kind\":" + QByteArray::number(kind) + ",\"keys\":" + QByteArray::number(keys) +
                   ",\"items\":[";
  for (int i = 0; list.defs[i].oid; ++i) {
    const SnmpVarDef& d = list.defs[i];
    if (i) out += ',';
    out += "{\"oid\":" + jsonString(QString::fromLatin1(d.oid)) +
           ",\"label\":" + jsonString(QString::fromLatin1(d.label)) +
           ",\"syntax\":" + QByteArray::number(d.syntax) + ",\"access\":" + QByteArray::number(d.access) +
           ",\"options\":" + jsonOptions(d.options) + '}';
  }
  return out + "]}";
}

}  // namespace

QByteArray catalogueJson() {
  QByteArray out = "{\"lists\":[";
  bool firstList = true;
  for (const CatalogueList& list : catalogueLists()) {
    if (!firstList) out += ',';
    firstList = false;
    // A list a menu page uses is reported with that page's kind and keys (the first page, should
    // two ever differ); the registry's for the others.
    const MenuPage* use = firstMenuUseOfList(QString::fromLatin1(list.name));
    out += jsonList(list, use ? use->kind : list.kind, use ? use->keys : list.keyCount);
  }
  out += "],\"forms\":[";
  bool firstForm = true;
  for (const CatalogueForm& form : catalogueForms()) {
    if (!firstForm) out += ',';
    firstForm = false;
    out += "{\"class\":" + jsonString(QString::fromLatin1(form.formClass)) +
           ",\"item\":" + jsonString(QString::fromLatin1(form.item)) + ",\"lists\":[";
    bool firstList2 = true;
    for (const CatalogueList* list : form.catalogueLists()) {
      if (!firstList2) out += ',';
      firstList2 = false;
      out += jsonList(*list, list->kind, list->keyCount);
    }
    out += "]}";
  }
  return out + "],\"menu\":" + menuMapJson() + '}';
}

QByteArray catalogueText() {
  QByteArray out;
  for (const CatalogueList& list : catalogueLists()) {
    out += QByteArray(list.name) + "  kind " + QByteArray::number(list.kind) + " (" +
           itemTypeKeyword(list.kind) + "), " + QByteArray::number(list.keyCount) + " keys, " +
           QByteArray::number(list.itemCount()) + " items\n";
    for (int i = 0; list.defs[i].oid; ++i) {
      const SnmpVarDef& d = list.defs[i];
      const char* syntax = syntaxKeyword(d.syntax);
      out += "  " + QByteArray::number(i) + "  " + QByteArray(d.oid) + "  \"" + d.label + "\"  " +
             (syntax ? QByteArray(syntax) : QByteArray::number(d.syntax)) + "  " +
             accessKeyword(d.access);
      if (d.options) out += "  " + optionsText(d.options);
      out += '\n';
    }
    out += '\n';
  }
  return out;
}
