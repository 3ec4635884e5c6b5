// The colours of an LED's state byte: a value mask and a lookup table, a blink mask, the colour
// of a dark LED and the colour (or error) for a state byte the value does not reach.
// Colours are 0x00BBGGRR: red in the low byte.
#pragma once

#include <QColor>
#include <QtGlobal>
#include <vector>

// One entry of a static colour array; an array ends with an entry whose colour is -1.
struct MvSNMPLedColor {
  qint32 value;
  qint32 colour;
};

class MvSNMPLedColorMapList {
 public:
  static constexpr qint32 NoColour = -1;  // as the missing colour: a missing byte is an error

  MvSNMPLedColorMapList(const MvSNMPLedColor* entries, quint8 valueMask, quint8 blinkMask,
                        qint32 offColour, qint32 missingColour);

  // Appends an array's entries after the existing ones (nullptr appends nothing).
  void Append(const MvSNMPLedColor* entries);
  // The colour of the first entry whose value's low byte equals `value`; black without one.
  qint32 Lookup(quint8 value) const;

  quint8 ValueMask() const { return valueMask_; }
  quint8 BlinkMask() const { return blinkMask_; }
  qint32 OffColour() const { return offColour_; }
  qint32 MissingColour() const { return missingColour_; }
  int Count() const { return static_cast<int>(entries_.size()); }

  static QColor ToQColor(qint32 colour);

 private:
  quint8 valueMask_;
  quint8 blinkMask_;
  qint32 offColour_;
  qint32 missingColour_;
  std::vector<MvSNMPLedColor> entries_;
};
