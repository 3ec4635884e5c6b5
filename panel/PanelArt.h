// The switch's artwork, drawn in code: the KX-760 front plate, the port-button glyph and the faces
// and button glyphs of the four uplink modules. Every picture is made once and cached.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace PanelArt {

enum class Module { KM5A, KM5B, KM6A, KM6B };

// The front plate, 901 x 100: a dark switch face with the model name, sixteen RJ-45 jacks in two
// rows of eight under the port buttons (see KX760PanelFormUnit for their places), the power and
// console LED windows, the link LED windows and the two uplink slot openings.
QPixmap frontPlate();
// The front port buttons' glyph, 30 x 29: an RJ-45 jack seen from the front.
QPixmap portGlyph();
// A module's face at its form size: KM-5A 128 x 78, KM-5B 130 x 80, KM-6A 129 x 80, KM-6B 128 x 80.
QPixmap moduleFace(Module module);
// A module's port-button picture at its button size (KM-5A/5B 54 x 25, KM-6A 30 x 27,
// KM-6B 34 x 36); the KM-5A/5B icon has a second image for the pressed state.
QIcon moduleButtonIcon(Module module);

}  // namespace PanelArt
