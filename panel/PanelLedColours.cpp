#include "panel/PanelLedColours.h"

namespace {

// 0x00BBGGRR
constexpr qint32 kBlack = 0x000000;
constexpr qint32 kWhite = 0xFFFFFF;
constexpr qint32 kGreen = 0x00FF00;
constexpr qint32 kBlue = 0xFF0000;
constexpr qint32 kRed = 0x0000FF;
constexpr qint32 kEnd = -1;

// 0 and 1 are a port without link (white); 6 and 7 have no entry and show black.
constexpr MvSNMPLedColor kLinkColours[] = {{0, kWhite}, {1, kWhite}, {2, kGreen}, {3, kGreen},
                                           {4, kBlue},  {5, kRed},   {0, kEnd}};
constexpr MvSNMPLedColor kSpeedColours[] = {{0, kWhite}, {1, kWhite}, {2, kWhite}, {3, kGreen},
                                            {4, kBlue},  {5, kRed},   {0, kEnd}};

constexpr quint8 kValueMask = 7;
constexpr quint8 kBlinkBit = 0x80;
constexpr quint8 kSpeedBlinkBit = 4;

}  // namespace

const MvSNMPLedColorMapList SystemLedColours(kLinkColours, kValueMask, kBlinkBit, kBlack, kWhite);
const MvSNMPLedColorMapList PortLedColours(kLinkColours, kValueMask, kBlinkBit, kBlack, kWhite);
const MvSNMPLedColorMapList SpeedLedColours(kSpeedColours, kValueMask, kSpeedBlinkBit, kBlack,
                                            kWhite);
