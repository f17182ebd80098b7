// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Field orders of record lines shared by several test kinds ("-": an empty position).
namespace ko::ev5 {

// The instrumentation line after the sensor type (vehicle and biomechanics after the sensor location).
inline constexpr const char* kInstrumentationData =
    "SENATT|AXIS|XUNITS|YUNITS|PREFIL|INSMAN|CALDAT|INSRAT|CHLMAX|INIVEL|NFP|NLP|DELT|DASTAT|CHSTAT|INSCOM";
inline constexpr const char* kInstrumentationDataExtension =
    "SENATT|SENATTD|AXIS|AXISD|XUNITS|XUNITSD|YUNITS|YUNITSD|PREFIL|PREMAX|PREMIN|-|-|INSMAN|CALDAT|INSRAT|"
    "CHLMAX|INIVEL|NFP|NLP|DELT|DASTAT|DASTATD|SCFCTR|CHSTAT|CHSTATD|INSCOM|-|-|XTYPE|YTYPE|-|-|SIGNALNAME|"
    "SIGCREDATE|SIGREVDATE|SCALEHISTORY|BIAS|BIASHISTORY";
// The component Extension line has INIVEL before INSRAT and CHLMAX.
inline constexpr const char* kComponentInstrumentationDataExtension =
    "SENATT|SENATTD|AXIS|AXISD|XUNITS|XUNITSD|YUNITS|YUNITSD|PREFIL|PREMAX|PREMIN|-|-|INSMAN|CALDAT|INIVEL|"
    "INSRAT|CHLMAX|NFP|NLP|DELT|DASTAT|DASTATD|SCFCTR|CHSTAT|CHSTATD|INSCOM|-|-|XTYPE|YTYPE|-|-|SIGNALNAME|"
    "SIGCREDATE|SIGREVDATE|SCALEHISTORY|BIAS|BIASHISTORY";

inline constexpr const char* kTestHeader = "VERNO|TITLE|TSTOBJ|TSTDAT|TSTPRF|CONNO|TSTREF";
inline constexpr const char* kTestHeaderExtension =
    "TSTNO|VERNO|TITLE|TSTOBJ|TSTDAT|TSTPRF|TSTPRFD|CONNO|TSTREF";

}  // namespace ko::ev5
