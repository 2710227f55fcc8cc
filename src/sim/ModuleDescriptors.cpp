#include "sim/ModuleDescriptors.h"

#include "sim/ModuleModel.h"

namespace sim {

bool usesReportIds(int model, bool statusReport) {
    return statusReport || kindOfModel(model) == ModuleKind::Rf;
}

modulelink::Bytes moduleReportDescriptor(int model, bool statusReport) {
    const bool numbered = usesReportIds(model, statusReport);
    modulelink::Bytes d = {
        0x05, 0x01,        // Usage Page (Generic Desktop)
        0x09, 0x04,        // Usage (Joystick)
        0xA1, 0x01,        // Collection (Application)
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x00,  //   Logical Maximum (255)
        0x75, 0x08,        //   Report Size (8)
    };
    if (numbered) {
        d.insert(d.end(), {0x85, kInputReportId});  // Report ID
    }
    d.insert(d.end(), {
                          0x95, 0x04,  // Report Count (4)
                          0x09, 0x30,  // Usage (X): Data1
                          0x09, 0x31,  // Usage (Y): Data2
                          0x09, 0x32,  // Usage (Z): Data3
                          0x09, 0x33,  // Usage (Rx): Data4
                          0x81, 0x02,  // Input (Data, Variable, Absolute)
                          0x81, 0x03,  // Input (Constant): four padding bytes
                      });
    if (numbered) {
        d.insert(d.end(), {0x85, kOutputReportId});
    }
    d.insert(d.end(), {
                          0x95, 0x01,  // Report Count (1)
                          0x09, 0x3E,  // Usage (0x3E): Command1
                          0x91, 0x02,  // Output (Data, Variable, Absolute)
                          0x95, 0x07,  // Report Count (7)
                          0x91, 0x03,  // Output (Constant): padding
                      });
    if (statusReport) {
        d.insert(d.end(), {
                              0x85, kStatusReportId,  // Report ID
                              0x06, 0x00, 0xFF,       // Usage Page (Vendor Defined 0xFF00)
                              0x95, 0x02,             // Report Count (2)
                              0x09, 0x01,             // Usage (1): last command
                              0x09, 0x02,             // Usage (2): armed
                              0x81, 0x02,             // Input (Data, Variable, Absolute)
                          });
    }
    d.push_back(0xC0);  // End Collection
    return d;
}

}  // namespace sim
