#pragma once

#include "modulelink/HidTransport.h"

namespace foreign {

// The Buzz! dongle's report descriptor as published: a joystick whose input report holds
// two constant 8-bit axes (0x7F 0x7F), 20 one-bit buttons (5 per handset, red first) and
// four vendor bits; output report 0 is seven bytes, bytes 1-4 the handsets' lamps.
extern const modulelink::Bytes kBuzzDescriptor;
// An arcade-button encoder: a game pad with 12 one-bit buttons and two 8-bit axes.
extern const modulelink::Bytes kArcadeEncoderDescriptor;

}  // namespace foreign
