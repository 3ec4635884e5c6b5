#include "bind/MvSNMPLedColorMapList.h"

MvSNMPLedColorMapList::MvSNMPLedColorMapList(const MvSNMPLedColor* entries, quint8 valueMask,
                                             quint8 blinkMask, qint32 offColour,
                                             qint32 missingColour)
    : valueMask_(valueMask), blinkMask_(blinkMask), offColour_(offColour),
      missingColour_(missingColour) {
  Append(entries);
}

void MvSNMPLedColorMapList::Append(const MvSNMPLedColor* entries) {
  if (!entries) return;
  for (; entries->colour != NoColour; ++entries) entries_.push_back(*entries);
}

qint32 MvSNMPLedColorMapList::Lookup(quint8 value) const {
  for (const MvSNMPLedColor& e : entries_)
    if (static_cast<quint8>(e.value & 0xFF) == value) return e.colour;
  return 0;
}

QColor MvSNMPLedColorMapList::ToQColor(qint32 colour) {
  const auto c = static_cast<quint32>(colour);
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}
